// The device root: the one folder under which the handset keeps everything
// it stores (database, registry, files, launch journal, run-time sockets).
#pragma once

#include <filesystem>
#include <string>

namespace ce {

// VORNA_ROOT if set, else $XDG_DATA_HOME/vorna, else ~/.local/share/vorna.
// Decided once per process unless SetDeviceRoot changes it.
const std::filesystem::path& DeviceRoot();

// Points this process at another root (the --root option, tests). Services
// that cache state tied to the root register a reset hook and drop it here.
// An empty path changes nothing and gives false.
bool SetDeviceRoot(const std::filesystem::path& root);

// Makes sure the root is a folder this process can read and write,
// creating it (and missing parents) when absent. False, with the reason in
// `problem`, when it cannot be used; a failed creation removes the folders
// it made, so nothing is left outside a root that was never made.
bool PrepareDeviceRoot(std::string& problem);

// Called by SetDeviceRoot, in registration order. Used by services that keep
// per-root state (open registry, sockets, store instances).
using RootResetHook = void (*)();
void OnDeviceRootReset(RootResetHook hook);

}  // namespace ce
