#include "seeded_root.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <utility>

#include "ce/device.h"
#include "temp_root.h"

namespace fs = std::filesystem;

namespace vorna::bench {
namespace {

// A deque, so that the paths handed out stay where they are as roots are added.
struct SeededRoots {
  std::deque<std::pair<std::pair<int, int>, fs::path>> roots;
  ~SeededRoots() {
    for (const auto& entry : roots) fs::remove_all(entry.second);
  }
};

// The root of this size, made on first use; an empty one when `seed` is false.
const fs::path& UseRoot(int contacts, int calls, bool seed) {
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
    if (!seed)
      fs::create_directories(path);
    else if (std::system(command.c_str()) != 0)
      std::fprintf(stderr, "seeding %s failed\n", path.c_str());
    seeded.roots.emplace_back(std::pair(contacts, calls), std::move(path));
    root = &seeded.roots.back().second;
  }
  if (ce::DeviceRoot() != *root) ce::SetDeviceRoot(*root);
  return *root;
}

}  // namespace

const fs::path& UseSeededRoot(int contacts, int calls) { return UseRoot(contacts, calls, true); }

// An empty root is the size (-1, -1), which no seeded root has.
const fs::path& UseEmptyRoot() { return UseRoot(-1, -1, false); }

}  // namespace vorna::bench
