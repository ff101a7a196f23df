#include "seeded_root.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ce/device.h"
#include "temp_root.h"

namespace fs = std::filesystem;

namespace vorna::bench {
namespace {

struct SeededRoots {
  std::vector<std::pair<std::pair<int, int>, fs::path>> roots;
  ~SeededRoots() {
    for (const auto& entry : roots) fs::remove_all(entry.second);
  }
};

}  // namespace

const fs::path& UseSeededRoot(int contacts, int calls) {
  static SeededRoots seeded;
  const fs::path* root = nullptr;
  for (const auto& [size, path] : seeded.roots)
    if (size == std::pair(contacts, calls)) root = &path;
  if (!root) {
    fs::path path = fs::temp_directory_path() / ("vorna-bench-" + std::to_string(getpid()) + "-" +
                                                 std::to_string(contacts) + "-" + std::to_string(calls));
    fs::remove_all(path);
    std::string command = (vorna::test::BuiltProgramsDir() / "vornactl").string() + " --root " + path.string() +
                          " seed --contacts " + std::to_string(contacts) + " --calls " + std::to_string(calls) +
                          " > /dev/null";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "seeding %s failed\n", path.c_str());
    seeded.roots.emplace_back(std::pair(contacts, calls), std::move(path));
    root = &seeded.roots.back().second;
  }
  if (ce::DeviceRoot() != *root) ce::SetDeviceRoot(*root);
  return *root;
}

}  // namespace vorna::bench
