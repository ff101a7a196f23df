#include "ce/modules.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "ce/device.h"
#include "ce/files.h"
#include "ce/resource_module.h"
#include "ce/utf8.h"
#include "ce/wstring.h"
#include "run_files.h"

#ifndef VORNA_BUILD_RES_DIR
#define VORNA_BUILD_RES_DIR ""
#endif

namespace {

using ce::FoldCase;

// Module handles start here, apart from window handles and kernel handles.
constexpr uint32_t kFirstModule = 0x00001000;

// A resource module with its strings decoded once, so that LoadStringW can
// hand out pointers that stay put.
struct DataModule {
  explicit DataModule(ce::ResourceModule module) : resources(std::move(module)) {
    for (const auto& entry : resources.entries()) {
      if (entry.type != RT_STRING) continue;
      auto bytes = resources.Find(entry.type, entry.id);
      strings.emplace(entry.id, ce::FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
    }
  }
  ce::ResourceModule resources;
  std::map<uint32_t, std::wstring> strings;
};

struct LoadedModule {
  std::wstring key;                   // what was loaded: "file:<path>", "mem:<name>" or "lib:<name>"
  std::shared_ptr<DataModule> data;   // resource modules
  std::wstring library;               // in-process libraries: the folded name
  int refs = 0;
  bool permanent = false;             // registered from memory: never unloaded
};

struct Modules {
  std::mutex mutex;
  std::map<uint32_t, LoadedModule> loaded;
  std::map<std::wstring, uint32_t> byKey;
  std::map<std::wstring, ce::ProcTable> libraries;  // by folded name
  uint32_t next = kFirstModule;
};

Modules& TheModules() {
  static Modules* modules = new Modules;
  return *modules;
}

uint32_t ToValue(HMODULE module) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(module)); }
HMODULE ToHandle(uint32_t value) { return reinterpret_cast<HMODULE>(static_cast<uintptr_t>(value)); }

bool HasFolder(std::wstring_view name) { return name.find_first_of(L"\\/") != std::wstring_view::npos; }

// "\windows\BtLinkCPL" and "btlinkcpl.DLL" name the same library.
std::wstring LibraryName(std::wstring_view name) {
  size_t slash = name.find_last_of(L"\\/");
  std::wstring base(slash == std::wstring_view::npos ? name : name.substr(slash + 1));
  if (base.find(L'.') == std::wstring::npos) base += L".dll";
  return FoldCase(base);
}

// Looks for `name` in a host folder, first exactly, then without regard to case.
std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder, const std::string& name) {
  std::error_code error;
  if (folder.empty()) return std::nullopt;
  if (std::filesystem::is_regular_file(folder / name, error)) return folder / name;
  std::wstring wanted = FoldCase(ce::FromUtf8(name));
  for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
    if (FoldCase(ce::FromUtf8(item.path().filename().string())) == wanted && item.is_regular_file(error))
      return item.path();
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> LocateModuleFile(std::wstring_view name) {
  if (HasFolder(name)) {
    std::filesystem::path file;
    std::error_code error;
    if (ce::ResolveCePath(name, file) && std::filesystem::is_regular_file(file, error)) return file;
    return std::nullopt;
  }
  bool valid = true;
  std::string utf8 = ce::ToUtf8(name, &valid);
  if (!valid || name.size() >= MAX_PATH || utf8 == "." || utf8 == "..") return std::nullopt;
  for (const auto& folder : ce::ResourceSearchPath())
    if (auto file = FindInFolder(folder, utf8)) return file;
  return std::nullopt;
}

std::shared_ptr<DataModule> ReadModuleFile(const std::filesystem::path& file) {
  auto content = ce::internal::ReadSmallFile(file, ce::kMaxResourceModuleBytes);
  if (!content) return nullptr;
  std::vector<std::byte> bytes(content->size());
  std::memcpy(bytes.data(), content->data(), content->size());
  auto module = ce::ResourceModule::Parse(std::move(bytes));
  return module ? std::make_shared<DataModule>(std::move(*module)) : nullptr;
}

// Adds a reference to the module loaded under `key`, or loads it with `make`.
template <typename Make>
HMODULE Acquire(const std::wstring& key, Make make) {
  Modules& m = TheModules();
  {
    std::lock_guard lock(m.mutex);
    if (auto it = m.byKey.find(key); it != m.byKey.end()) {
      ++m.loaded[it->second].refs;
      return ToHandle(it->second);
    }
  }
  // Read without the lock; a second thread loading the same module meanwhile
  // is settled below.
  LoadedModule module = make();
  if (!module.data && module.library.empty()) return nullptr;
  std::lock_guard lock(m.mutex);
  if (auto it = m.byKey.find(key); it != m.byKey.end()) {
    ++m.loaded[it->second].refs;
    return ToHandle(it->second);
  }
  uint32_t handle = m.next++;
  module.key = key;
  module.refs = 1;
  m.byKey[key] = handle;
  m.loaded.emplace(handle, std::move(module));
  return ToHandle(handle);
}

std::shared_ptr<DataModule> FindData(HMODULE handle) {
  Modules& m = TheModules();
  std::lock_guard lock(m.mutex);
  auto it = m.loaded.find(ToValue(handle));
  return it == m.loaded.end() ? nullptr : it->second.data;
}

HMODULE LoadDataModule(const std::wstring& name) {
  if (!HasFolder(name)) {
    Modules& m = TheModules();
    std::lock_guard lock(m.mutex);
    if (auto it = m.byKey.find(L"mem:" + FoldCase(name)); it != m.byKey.end()) return ToHandle(it->second);
  }
  auto file = LocateModuleFile(name);
  if (!file) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  HMODULE handle = Acquire(L"file:" + ce::FromUtf8(file->string()), [&] {
    LoadedModule module;
    module.data = ReadModuleFile(*file);
    return module;
  });
  if (!handle) SetLastError(ERROR_BAD_FORMAT);
  return handle;
}

}  // namespace

HMODULE LoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags) {
  if (!name || !*name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (flags & LOAD_LIBRARY_AS_DATAFILE) return LoadDataModule(name);
  std::wstring library = LibraryName(name);
  {
    Modules& m = TheModules();
    std::lock_guard lock(m.mutex);
    if (!m.libraries.count(library)) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return nullptr;
    }
  }
  return Acquire(L"lib:" + library, [&] {
    LoadedModule module;
    module.library = library;
    return module;
  });
}

HMODULE LoadLibraryW(LPCWSTR name) { return LoadLibraryExW(name, nullptr, 0); }

FARPROC GetProcAddressW(HMODULE module, LPCWSTR procName) {
  Modules& m = TheModules();
  std::lock_guard lock(m.mutex);
  auto it = m.loaded.find(ToValue(module));
  if (it == m.loaded.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  auto library = m.libraries.find(it->second.library);
  bool valid = true;
  std::string name = procName ? ce::ToUtf8(procName, &valid) : std::string();
  if (library == m.libraries.end() || name.empty() || !valid) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  auto proc = library->second.find(name);
  if (proc == library->second.end() || !proc->second) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return proc->second;
}

BOOL FreeLibrary(HMODULE module) {
  Modules& m = TheModules();
  std::lock_guard lock(m.mutex);
  auto it = m.loaded.find(ToValue(module));
  if (it == m.loaded.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!it->second.permanent && --it->second.refs == 0) {
    m.byKey.erase(it->second.key);
    m.loaded.erase(it);
  }
  return TRUE;
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
  if (!buffer || bufferMax < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto data = FindData(instance);
  auto found = data ? data->strings.find(id) : std::map<uint32_t, std::wstring>::iterator();
  if (!data || found == data->strings.end()) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    if (bufferMax > 0) buffer[0] = 0;
    return 0;
  }
  const std::wstring& text = found->second;
  if (bufferMax == 0) {
    *reinterpret_cast<LPCWSTR*>(buffer) = text.c_str();
    return static_cast<int>(text.size());
  }
  size_t count = std::min(text.size(), static_cast<size_t>(bufferMax) - 1);
  text.copy(buffer, count);
  buffer[count] = 0;
  return static_cast<int>(count);
}

namespace ce {

void RegisterInProcessLibrary(const wchar_t* name, ProcTable procs) {
  if (!name || !*name) return;
  Modules& m = TheModules();
  std::lock_guard lock(m.mutex);
  m.libraries[LibraryName(name)] = std::move(procs);
}

void UnregisterInProcessLibrary(const wchar_t* name) {
  if (!name || !*name) return;
  Modules& m = TheModules();
  std::lock_guard lock(m.mutex);
  m.libraries.erase(LibraryName(name));
}

HMODULE RegisterResourceModule(const wchar_t* name, std::span<const std::byte> bytes) {
  if (!name || !*name) return nullptr;
  auto module = ResourceModule::Parse(std::vector<std::byte>(bytes.begin(), bytes.end()));
  if (!module) {
    SetLastError(ERROR_BAD_FORMAT);
    return nullptr;
  }
  std::wstring key = L"mem:" + FoldCase(name);
  Modules& m = TheModules();
  std::lock_guard lock(m.mutex);
  // The first registration stays: callers may hold pointers into it.
  if (auto it = m.byKey.find(key); it != m.byKey.end()) return ToHandle(it->second);
  uint32_t handle = m.next++;
  LoadedModule loaded{key, std::make_shared<DataModule>(std::move(*module)), {}, 1, true};
  m.byKey[key] = handle;
  m.loaded.emplace(handle, std::move(loaded));
  return ToHandle(handle);
}

std::span<const std::byte> FindResourceBytes(HMODULE module, UINT type, UINT id) {
  auto data = FindData(module);
  if (!data) return {};
  // The span points into the module, which the table keeps while it is loaded.
  return data->resources.Find(type, id);
}

std::vector<std::filesystem::path> ResourceSearchPath() {
  std::vector<std::filesystem::path> folders;
  std::filesystem::path windows;
  if (ResolveCePath(L"\\windows", windows)) folders.push_back(windows);
  if (const char* extra = std::getenv("VORNA_RES_PATH"); extra && *extra) {
    std::string_view list(extra);
    while (!list.empty()) {
      size_t colon = list.find(':');
      std::string_view folder = list.substr(0, colon);
      if (!folder.empty()) folders.emplace_back(folder);
      list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
  }
  // An installed tree keeps the resources in share/vornalib/res beside the
  // lib folder that holds this library.
  Dl_info self{};
  if (dladdr(reinterpret_cast<void*>(&ResourceSearchPath), &self) && self.dli_fname) {
    std::error_code error;
    const std::filesystem::path installed =
        std::filesystem::path(self.dli_fname).parent_path().parent_path() / "share" / "vornalib" / "res";
    if (std::filesystem::is_directory(installed, error)) folders.push_back(installed);
  }
  if (*VORNA_BUILD_RES_DIR) folders.emplace_back(VORNA_BUILD_RES_DIR);
  return folders;
}

}  // namespace ce
