// Loading and unloading the library.
//
// The loader's part is played by a static object: at load it registers the
// built-in string table as this library's resources and calls the entry
// point with the resulting handle; at unload it calls the entry point again.
// The module-wide strings are defined here, before that object, so that they
// are constructed before the entry point runs and destroyed after it has
// run for the unload (construction follows definition order within one
// source file, destruction the reverse).
#include <cstddef>
#include <span>

#include "ce/modules.h"
#include "core/launch/Launchers.h"
#include "core/module/Module.h"

extern const unsigned char kBuiltinStringModule[];
extern const std::size_t kBuiltinStringModule_size;

CQzStringW PendingDialNumber;
CQzStringW LastDialledNumber;

namespace {

HINSTANCE g_instance = nullptr;

class LibraryLoader {
 public:
  LibraryLoader() {
    auto bytes = std::as_bytes(std::span(kBuiltinStringModule, kBuiltinStringModule_size));
    instance_ = ce::RegisterResourceModule(L"Vornalib.dll", bytes);
    DllMain(instance_, DLL_PROCESS_ATTACH, nullptr);
  }
  ~LibraryLoader() { DllMain(instance_, DLL_PROCESS_DETACH, nullptr); }
  LibraryLoader(const LibraryLoader&) = delete;
  LibraryLoader& operator=(const LibraryLoader&) = delete;

 private:
  HINSTANCE instance_ = nullptr;
};

const LibraryLoader g_loader;

}  // namespace

BOOL DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
  g_instance = instance;
  return TRUE;
}

HINSTANCE GetModuleInstance() { return g_instance; }
