#include "vcard/vcard_values.h"

#include <algorithm>
#include <string>

#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

// The character an escape stands for, or 0 when the pair is no escape and
// both characters stay as they are. In 3.0 and 4.0 a backslash before any
// other character stands for that character ("http\://" is "http://").
wchar_t Escaped(wchar_t c, Escapes escapes) {
  if (c == L';') return L';';
  if (escapes == Escapes::kVersion21List) return c == L',' || c == L'\\' ? c : 0;
  if (escapes == Escapes::kVersion21) return 0;
  return c == L'n' || c == L'N' ? L'\n' : c;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsDigits(std::wstring_view text) {
  for (const wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return !text.empty();
}

}  // namespace

qzu::string Unescape(const qzu::string& text, Escapes escapes) { return UnescapeView(text.view(), escapes); }

qzu::string UnescapeView(std::wstring_view in, Escapes escapes) {
  if (in.find(L'\\') == std::wstring_view::npos) return qzu::string(in);
  std::wstring out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const wchar_t c = in[i];
    const wchar_t meant = (c == L'\\' && i + 1 < in.size()) ? Escaped(in[i + 1], escapes) : 0;
    if (meant) {
      out.push_back(meant);
      ++i;
    } else {
      out.push_back(c);
    }
  }
  return qzu::string(std::move(out));
}

namespace {

// The pieces between unescaped separators, escapes still in them.
std::vector<std::wstring_view> SplitRaw(std::wstring_view in, std::wstring_view separators, std::size_t max_parts) {
  std::vector<std::wstring_view> parts;
  parts.reserve(std::min<std::size_t>(max_parts, 8));
  std::size_t start = 0;
  for (std::size_t i = 0; i < in.size() && parts.size() < max_parts; ++i) {
    if (in[i] == L'\\') {
      ++i;  // whatever follows is escaped, not a separator
    } else if (separators.find(in[i]) != std::wstring_view::npos) {
      parts.push_back(in.substr(start, i - start));
      start = i + 1;
    }
  }
  if (parts.size() < max_parts) parts.push_back(in.substr(std::min(start, in.size())));
  return parts;
}

}  // namespace

std::vector<qzu::string> SplitComponents(const qzu::string& text, std::wstring_view separators, Escapes escapes,
                                         std::size_t max_parts) {
  std::vector<qzu::string> parts;
  for (std::wstring_view raw : SplitRaw(text.view(), separators, max_parts))
    parts.push_back(UnescapeView(raw, escapes));
  return parts;
}

std::vector<qzu::string> SplitJoinedComponents(const qzu::string& text, Escapes escapes, std::size_t max_parts) {
  std::vector<qzu::string> parts;
  for (std::wstring_view component : SplitRaw(text.view(), L";", max_parts)) {
    if (escapes == Escapes::kVersion21) {
      parts.push_back(UnescapeView(component, escapes));
      continue;
    }
    std::wstring joined;
    for (std::wstring_view value : SplitRaw(component, L",", component.size() + 1)) {
      const qzu::string text_value = UnescapeView(value, escapes);
      if (text_value.empty()) continue;
      if (!joined.empty()) joined += L' ';
      joined += text_value.view();
    }
    parts.push_back(qzu::string(std::move(joined)));
  }
  return parts;
}

qzu::string NormalizeBirthday(const qzu::string& text) {
  std::wstring_view date = TrimBlanks(text.view());
  date = TrimBlanks(date.substr(0, date.find(L'T')));

  std::wstring digits;
  if (date.size() == 8 && IsDigits(date)) {
    digits = date;
  } else if (date.size() == 10 && date[4] == L'-' && date[7] == L'-' && IsDigits(date.substr(0, 4)) &&
             IsDigits(date.substr(5, 2)) && IsDigits(date.substr(8, 2))) {
    digits.append(date.substr(0, 4)).append(date.substr(5, 2)).append(date.substr(8, 2));
  } else {
    return qzu::string();
  }
  const int year = std::stoi(digits.substr(0, 4));
  const int month = (digits[4] - L'0') * 10 + (digits[5] - L'0');
  const int day = (digits[6] - L'0') * 10 + (digits[7] - L'0');
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return qzu::string();
  return qzu::string(std::move(digits));
}

}  // namespace qzpam::vcard
