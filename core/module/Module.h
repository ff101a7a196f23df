// The library's module entry and its instance handle.
#pragma once

#include "ce/types.h"

#ifndef DLL_PROCESS_DETACH
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
#endif

// The handle of this library, which carries the built-in string table.
// Stored by the entry point when the library is loaded.
HINSTANCE GetModuleInstance();

// The entry point, called by the loader with the library's instance on load
// and unload: it stores the instance for every reason and returns TRUE.
BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
