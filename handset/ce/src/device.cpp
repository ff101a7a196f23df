#include "ce/device.h"

#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <system_error>
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

bool PrepareDeviceRoot(std::string& problem) {
  const std::filesystem::path root = DeviceRoot();
  std::error_code error;
  // The folders that do not exist yet, outermost first.
  std::vector<std::filesystem::path> missing;
  for (std::filesystem::path at = root; !at.empty(); at = at.parent_path()) {
    const std::filesystem::file_status status = std::filesystem::symlink_status(at, error);
    if (status.type() != std::filesystem::file_type::not_found) break;
    missing.insert(missing.begin(), at);
    if (at == at.parent_path()) break;
  }
  for (std::size_t made = 0; made < missing.size(); ++made) {
    if (std::filesystem::create_directory(missing[made], error) || !error) continue;
    problem = "it cannot be created (" + error.message() + ")";
    while (made-- > 0) std::filesystem::remove(missing[made], error);
    return false;
  }
  if (!std::filesystem::is_directory(root, error)) {
    problem = "it is not a folder";
    return false;
  }
  if (access(root.c_str(), R_OK | W_OK | X_OK) != 0) {
    problem = "it cannot be written";
    return false;
  }
  return true;
}

void OnDeviceRootReset(RootResetHook hook) {
  std::lock_guard lock(g_mutex);
  ResetHooks().push_back(hook);
}

}  // namespace ce
