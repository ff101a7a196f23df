// Modules: resource modules opened as data files, and libraries that live in
// this process under a DLL name.
//
// LoadLibraryExW(name, NULL, LOAD_LIBRARY_AS_DATAFILE) opens a resource
// module (ce/resource_module.h). A name with a folder ("\windows\x.dll") is a
// CE path under the device root. A bare name is looked for, without regard
// to case, in:
//   1. the modules this process registered with ce::RegisterResourceModule;
//   2. the device's \windows folder;
//   3. each folder of VORNA_RES_PATH (host paths separated by ':');
//   4. share/vornalib/res beside the lib folder of this library, where
//      `cmake --install` puts the modules;
//   5. the resource folder of the build (where the build's modules are made).
// The same file loaded twice gives the same handle; FreeLibrary releases it
// after as many calls as loads.
//
// LoadLibraryW (and LoadLibraryExW without the data-file flag) find only
// libraries registered in this process with ce::RegisterInProcessLibrary, by
// file name without regard to case (".dll" is implied when the name has no
// extension); GetProcAddressW finds their entry points by exact name.
// Failures return NULL with ERROR_MOD_NOT_FOUND or ERROR_PROC_NOT_FOUND.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "ce/lasterror.h"
#include "ce/types.h"

#define LOAD_LIBRARY_AS_DATAFILE 0x00000002

// Resource types
#define RT_STRING 6
#define RT_RCDATA 10

#ifndef ERROR_RESOURCE_NAME_NOT_FOUND
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
#endif
#ifndef ERROR_BAD_FORMAT
#define ERROR_BAD_FORMAT 11L
#endif

HMODULE LoadLibraryW(LPCWSTR name);
HMODULE LoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags);
FARPROC GetProcAddressW(HMODULE module, LPCWSTR procName);
BOOL FreeLibrary(HMODULE module);

// Copies string `id` of a resource module into buffer (at most bufferMax - 1
// characters, then a terminating zero) and returns the count copied. With
// bufferMax 0, stores into *(LPCWSTR*)buffer a read-only pointer to the
// string (valid while the module is loaded; not zero-terminated by contract)
// and returns its length. 0 when the module or string is unknown
// (ERROR_RESOURCE_NAME_NOT_FOUND) or the string is empty.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);

namespace ce {

// Entry points of an in-process library, by exported name.
using ProcTable = std::map<std::string, FARPROC>;

// Makes LoadLibraryW(name) succeed in this process, with these entry points.
// Replaces an earlier registration of the same name (loaded handles stay valid
// and see the new table).
void RegisterInProcessLibrary(const wchar_t* name, ProcTable procs);
void UnregisterInProcessLibrary(const wchar_t* name);

// Makes a resource module from bytes this process holds (a module compiled
// into a program) loadable by `name`, and returns its handle, which stays
// valid for the life of the process. NULL when the bytes are not a module.
HMODULE RegisterResourceModule(const wchar_t* name, std::span<const std::byte> bytes);

// The bytes of resource (type, id) of a data module; empty when absent. They
// stay valid while the module is loaded.
std::span<const std::byte> FindResourceBytes(HMODULE module, UINT type, UINT id);

// The host folders searched for a bare module name, in order (steps 2 to 5).
std::vector<std::filesystem::path> ResourceSearchPath();

}  // namespace ce
