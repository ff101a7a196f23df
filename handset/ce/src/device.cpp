#include "ce/device.h"

#include <cstdlib>
#include <system_error>
#include <mutex>
#include <vector>

namespace ce {
namespace {

std::mutex g_mutex;
std::filesystem::path g_root;
bool g_rootChosen = false;

std::vector<RootResetHook>& ResetHooks() {
  static std::vector<RootResetHook> hooks;
  return hooks;
}

std::filesystem::path DefaultRoot() {
  if (const char* root = std::getenv("VORNA_ROOT"); root && *root) return root;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    return std::filesystem::path(data) / "vorna";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "vorna";
  return std::filesystem::temp_directory_path() / "vorna";
}

}  // namespace

const std::filesystem::path& DeviceRoot() {
  std::lock_guard lock(g_mutex);
  if (!g_rootChosen) {
    g_root = std::filesystem::absolute(DefaultRoot()).lexically_normal();
    g_rootChosen = true;
  }
  return g_root;
}

bool SetDeviceRoot(const std::filesystem::path& root) {
  std::error_code error;
  std::filesystem::path absolute = root.empty() ? root : std::filesystem::absolute(root, error);
  if (absolute.empty() || error) return false;
  std::vector<RootResetHook> hooks;
  {
    std::lock_guard lock(g_mutex);
    g_root = absolute.lexically_normal();
    g_rootChosen = true;
    hooks = ResetHooks();
  }
  // Hooks run without the lock: they may ask for the new root.
  for (RootResetHook hook : hooks) hook();
  return true;
}

void OnDeviceRootReset(RootResetHook hook) {
  std::lock_guard lock(g_mutex);
  ResetHooks().push_back(hook);
}

}  // namespace ce
