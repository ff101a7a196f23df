#include "contactdata/RegionKey.h"

#include <cwctype>
#include <string>

namespace {

constexpr std::size_t kMobileSegmentLength = 7;

// The value of at most `count` characters from `from`, as _wtol reads a copy
// of them. At most seven digits are read, so the value cannot overflow.
int KeyOf(std::wstring_view number, std::size_t from, std::size_t count) {
  std::wstring_view run = number.substr(from, count);
  std::size_t i = 0;
  while (i < run.size() && std::iswspace(static_cast<wint_t>(run[i]))) ++i;
  bool negative = false;
  if (i < run.size() && (run[i] == L'+' || run[i] == L'-')) negative = run[i++] == L'-';
  int value = 0;
  for (; i < run.size() && run[i] >= L'0' && run[i] <= L'9'; ++i) value = value * 10 + (run[i] - L'0');
  return negative ? -value : value;
}

RegionKey Key(int key) {
  if (key == 0) return {};
  return {RegionKey::KEY, key};
}

// After the trunk prefix "0" or the country code 86.
RegionKey ReadArea(std::wstring_view number, std::size_t at) {
  if (at >= number.size()) return {};
  const wchar_t c = number[at];
  const wchar_t next = at + 1 < number.size() ? number[at + 1] : L'\0';
  if (c == L'1' && next != L'0') return Key(KeyOf(number, at, kMobileSegmentLength));
  if (c == L'2') return Key(KeyOf(number, at, 2));
  if (c == L'1' && next == L'0') return Key(10);
  return Key(KeyOf(number, at, 3));
}

RegionKey ReadCountryCode(std::wstring_view number, std::size_t at) {
  std::wstring code;
  for (; at < number.size(); ++at) {
    code += number[at];
    if (code == L"1") return {RegionKey::INTERNATIONAL, 0};
    if (code == L"86") return ReadArea(number, at + 1);
    if (code.size() == 3) return {RegionKey::INTERNATIONAL, 0};
  }
  return {};
}

}  // namespace

RegionKey ParseRegionKey(std::wstring_view number) {
  if (number.empty()) return {};
  switch (number[0]) {
    case L'+':
      return ReadCountryCode(number, 1);
    case L'0':
      if (number.size() > 1 && number[1] == L'0') return ReadCountryCode(number, 2);
      return ReadArea(number, 1);
    case L'1':
      return Key(KeyOf(number, 0, kMobileSegmentLength));
    default:
      return {RegionKey::LOCAL, 0};
  }
}
