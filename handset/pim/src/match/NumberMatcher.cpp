#include "match/NumberMatcher.h"

#include <phonenumbers/phonenumberutil.h>

namespace qzpam {
namespace {

constexpr std::string_view kHomeCountry = "86";

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10;  // full-width digits
  return -1;
}

// The country code and national number of an international number without
// its prefix ("4420..."), split by libphonenumber. Empty when it cannot tell.
std::string ForeignKey(const std::string& digits) {
  using i18n::phonenumbers::PhoneNumber;
  using i18n::phonenumbers::PhoneNumberUtil;
  PhoneNumber parsed;
  if (PhoneNumberUtil::GetInstance()->Parse("+" + digits, "ZZ", &parsed) != PhoneNumberUtil::NO_PARSING_ERROR)
    return std::string();
  std::string national;
  PhoneNumberUtil::GetInstance()->GetNationalSignificantNumber(parsed, &national);
  return "00" + std::to_string(parsed.country_code()) + national;
}

}  // namespace

std::string NumberMatcher::Key(std::wstring_view number) {
  std::string digits;
  bool plus = false;
  for (wchar_t c : number) {
    int d = DigitValue(c);
    if (d >= 0)
      digits += static_cast<char>('0' + d);
    else if (c == L'+' && digits.empty())
      plus = true;
  }
  if (digits.empty()) return digits;
  std::string_view rest = digits;
  bool international = plus;
  if (!international && rest.size() > 2 && rest.starts_with("00")) {
    international = true;
    rest.remove_prefix(2);
  }
  if (international) {
    if (!rest.starts_with(kHomeCountry)) {
      std::string foreign = ForeignKey(std::string(rest));
      return foreign.empty() && !rest.empty() ? "00" + std::string(rest) : foreign;
    }
    rest.remove_prefix(kHomeCountry.size());
  } else if (rest.size() == 13 && rest.starts_with("861")) {
    rest.remove_prefix(kHomeCountry.size());
  }
  if (rest.size() > 1 && rest[0] == '0') rest.remove_prefix(1);
  return std::string(rest);
}

std::string NumberMatcher::Tail(std::string_view key) {
  return std::string(key.size() > kTailDigits ? key.substr(key.size() - kTailDigits) : key);
}

bool NumberMatcher::IsHomeMobile(std::string_view key) { return key.size() == 11 && key[0] == '1'; }

bool NumberMatcher::KeysMatch(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return false;
  if (a.size() < kTailDigits || b.size() < kTailDigits) return a == b;
  if (IsHomeMobile(a) || IsHomeMobile(b)) return a == b;
  return a.size() <= b.size() ? b.ends_with(a) : a.ends_with(b);
}

}  // namespace qzpam
