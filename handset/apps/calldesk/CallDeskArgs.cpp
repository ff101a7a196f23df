#include "CallDeskArgs.h"

namespace telhub {

std::optional<std::wstring> ParseCallDeskArgs(const std::wstring& parameters) {
  if (parameters.rfind(L"-n ", 0) != 0) return std::nullopt;
  size_t start = parameters.find_first_not_of(L' ', 3);
  if (start == std::wstring::npos) return std::nullopt;
  size_t end = parameters.find_last_not_of(L' ');
  std::wstring number = parameters.substr(start, end - start + 1);
  if (number.size() > kMaxDialledLength) return std::nullopt;
  for (wchar_t c : number)
    if (c < 0x20 || c == 0x7F) return std::nullopt;
  return number;
}

}  // namespace telhub
