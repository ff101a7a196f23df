#include "DialParameters.h"

#include "ArgText.h"

namespace telhub {

std::wstring ParseDialParameters(const std::wstring& parameters) {
  if (parameters.rfind(L"-k ", 0) != 0) return {};
  return TrimBlanks(std::wstring_view(parameters).substr(3));
}

}  // namespace telhub
