#include "ce/modules.h"
#include "qzfc/QzResources.h"

namespace {

HMODULE OpenFirst(const wchar_t* preferred, const wchar_t* fallback) {
  HMODULE module = LoadLibraryExW(preferred, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) module = LoadLibraryExW(fallback, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  return module;
}

// A failed open is not remembered, so a module that appears later is found.
HMODULE Cached(HMODULE& cache, const wchar_t* preferred, const wchar_t* fallback) {
  if (!cache) cache = OpenFirst(preferred, fallback);
  return cache;
}

HMODULE g_resV2 = nullptr;
HMODULE g_res = nullptr;

}  // namespace

HMODULE GetQzResV2ModuleHandle() { return Cached(g_resV2, L"QzResV2.dll", L"QzRes.dll"); }

HMODULE GetQzResModuleHandle() { return Cached(g_res, L"QzRes.dll", L"QzResV2.dll"); }
