#include "core/util/FileBaseName.h"

#include <string_view>

CQzStringW GetFileBaseName(const wchar_t* path) {
  std::wstring_view name = path ? path : L"";
  if (size_t slash = name.rfind(L'\\'); slash != std::wstring_view::npos) name.remove_prefix(slash + 1);
  if (size_t dot = name.rfind(L'.'); dot != std::wstring_view::npos) name = name.substr(0, dot);
  return CQzStringW(name.data(), static_cast<int>(name.size()));
}
