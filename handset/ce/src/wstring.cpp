#include "ce/wstring.h"

#include <unicode/uchar.h>

#include <cstdint>

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

wchar_t Fold(wchar_t c) {
  // Values outside Unicode are compared as they are.
  if (c < 0 || static_cast<unsigned long>(c) > 0x10FFFF) return c;
  return static_cast<wchar_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

int Compare(const wchar_t* a, const wchar_t* b, size_t count) {
  if (!a || !b) return a == b ? 0 : a ? 1 : -1;
  for (size_t i = 0; i < count; ++i) {
    wchar_t x = Fold(a[i]);
    wchar_t y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
  return 0;
}

}  // namespace

LONG _wtol(const wchar_t* text) {
  if (!text) return 0;
  while (IsSpace(*text)) ++text;
  int64_t value = 0;
  for (; *text >= L'0' && *text <= L'9'; ++text) {
    value = value * 10 + (*text - L'0');
    if (value > INT32_MAX) value = INT32_MAX;  // LONG is 32 bits; stop growing at its maximum
  }
  return static_cast<LONG>(value);
}

int _wtoi(const wchar_t* text) { return static_cast<int>(_wtol(text)); }

int _wcsicmp(const wchar_t* a, const wchar_t* b) { return Compare(a, b, SIZE_MAX); }

int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count) { return Compare(a, b, count); }

namespace ce {

std::wstring FoldCase(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = Fold(c);
  return out;
}

}  // namespace ce
