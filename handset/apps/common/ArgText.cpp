#include "ArgText.h"

namespace telhub {

std::wstring TrimBlanks(std::wstring_view text) {
  size_t start = text.find_first_not_of(L' ');
  if (start == std::wstring_view::npos) return {};
  size_t end = text.find_last_not_of(L' ');
  return std::wstring(text.substr(start, end - start + 1));
}

bool IsPlainNumber(std::wstring_view number) {
  if (number.empty() || number.size() > kMaxNumberLength) return false;
  for (wchar_t c : number)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace telhub
