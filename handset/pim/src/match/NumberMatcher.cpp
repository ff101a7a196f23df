#include "match/NumberMatcher.h"

#include <phonenumbers/phonenumberutil.h>

namespace qzpam {
namespace {

using i18n::phonenumbers::PhoneNumberUtil;

constexpr std::string_view kChina = "86";
constexpr std::string_view kInternational = "00";

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10;  // full-width digits
  return -1;
}

// The country code in a national code setting, or empty when it names no
// country ("+44", "0044" and " 44 " all give "44").
std::string CountryCodeOf(std::wstring_view setting) {
  std::string digits;
  for (wchar_t c : setting) {
    int d = DigitValue(c);
    if (d >= 0)
      digits += static_cast<char>('0' + d);
    else if (c != L'+' && c != L' ')
      return std::string();
  }
  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.empty() || digits.size() > 3) return std::string();
  std::string region;
  PhoneNumberUtil::GetInstance()->GetRegionCodeForCountryCode(std::stoi(digits), &region);
  return region == "ZZ" ? std::string() : digits;
}

// The country code and national number of an international number without
// its prefix ("4420..."), split by libphonenumber. Empty when it cannot tell.
std::string ForeignKey(const std::string& digits) {
  using i18n::phonenumbers::PhoneNumber;
  PhoneNumber parsed;
  if (PhoneNumberUtil::GetInstance()->Parse("+" + digits, "ZZ", &parsed) != PhoneNumberUtil::NO_PARSING_ERROR)
    return std::string();
  std::string national;
  PhoneNumberUtil::GetInstance()->GetNationalSignificantNumber(parsed, &national);
  return std::string(kInternational) + std::to_string(parsed.country_code()) + national;
}

bool IsForeign(std::string_view key) { return key.starts_with(kInternational); }

}  // namespace

NumberMatcher::NumberMatcher(std::wstring_view nationalCode) : home_(CountryCodeOf(nationalCode)) {
  if (home_.empty()) home_ = kChina;
}

std::string NumberMatcher::Key(std::wstring_view number) const {
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
  if (!international && rest.size() > 2 && rest.starts_with(kInternational)) {
    international = true;
    rest.remove_prefix(kInternational.size());
  }
  if (international) {
    if (!rest.starts_with(home_)) {
      std::string foreign = ForeignKey(std::string(rest));
      return foreign.empty() && !rest.empty() ? std::string(kInternational) + std::string(rest) : foreign;
    }
    rest.remove_prefix(home_.size());
  } else if (home_ == kChina && rest.size() == 13 && rest.starts_with("861")) {
    rest.remove_prefix(kChina.size());
  }
  if (rest.size() > 1 && rest[0] == '0') rest.remove_prefix(1);
  return std::string(rest);
}

std::string NumberMatcher::Tail(std::string_view key) {
  return std::string(key.size() > kTailDigits ? key.substr(key.size() - kTailDigits) : key);
}

bool NumberMatcher::IsHomeMobile(std::string_view key) const {
  return home_ == kChina && key.size() == 11 && key[0] == '1';
}

bool NumberMatcher::KeysMatch(std::string_view a, std::string_view b) const {
  if (a.empty() || b.empty()) return false;
  if (IsForeign(a) || IsForeign(b)) return a == b;
  if (a.size() < kTailDigits || b.size() < kTailDigits) return a == b;
  if (IsHomeMobile(a) || IsHomeMobile(b)) return a == b;
  return a.size() <= b.size() ? b.ends_with(a) : a.ends_with(b);
}

}  // namespace qzpam
