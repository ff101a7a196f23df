#include "CallDeskArgs.h"

#include "ArgText.h"

namespace telhub {

std::optional<std::wstring> ParseCallDeskArgs(const std::wstring& parameters) {
  if (parameters.rfind(L"-n ", 0) != 0) return std::nullopt;
  std::wstring number = TrimBlanks(std::wstring_view(parameters).substr(3));
  if (!IsPlainNumber(number)) return std::nullopt;
  return number;
}

}  // namespace telhub
