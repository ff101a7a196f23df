#include "core/module/Resources.h"

#include <cwchar>

#include <qzfc/QzResources.h>

#include "ce/language.h"
#include "ce/modules.h"
#include "core/module/LazyModule.h"
#include "core/module/Module.h"

namespace {

constexpr WORD kBuiltinLanguage = 0x0804;

}  // namespace

HMODULE OpenStringModule(DWORD uiLanguage) {
  const WORD language = static_cast<WORD>(uiLanguage & 0xFFFF);
  if (language == kBuiltinLanguage) return GetModuleInstance();
  wchar_t name[32];
  std::swprintf(name, sizeof name / sizeof name[0], L"Vornalib.dll.%04x.MUI", static_cast<unsigned>(language));
  return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

HMODULE GetStringModule() {
  static LazyModule module([] { return OpenStringModule(GetUserDefaultUILanguage()); });
  return module.Get();
}

CQzStringW LoadResString(UINT id) { return QzLoadString(id, GetStringModule()); }

HMODULE GetImageModule() {
  static LazyModule module([] { return LoadLibraryExW(L"vornares.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE); });
  return module.Get();
}
