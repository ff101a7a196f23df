#include "DialParameters.h"

namespace telhub {

std::wstring ParseDialParameters(const std::wstring& parameters) {
  if (parameters.rfind(L"-k ", 0) != 0) return {};
  size_t start = parameters.find_first_not_of(L' ', 3);
  size_t end = parameters.find_last_not_of(L' ');
  return start == std::wstring::npos ? std::wstring() : parameters.substr(start, end - start + 1);
}

}  // namespace telhub
