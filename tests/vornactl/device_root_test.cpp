// A device root that cannot be used is named on stderr with exit status 2,
// by every command and by the phone host, and nothing is made or changed.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "ce/device.h"
#include "file_bytes.h"
#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"
#include "vornactl_runner.h"

namespace {

namespace fs = std::filesystem;
using vorna::test::ReadFileBytes;

// Every path under the folder, to tell that nothing was made or removed.
std::set<std::string> Listing(const fs::path& dir) {
  std::set<std::string> paths;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) paths.insert(entry.path().string());
  return paths;
}

class UnusableRoot : public ::testing::Test {
 protected:
  // A root with a store that a newer library wrote.
  fs::path NewerStoreRoot() {
    const fs::path root = root_.path() / "newer";
    ce::SetDeviceRoot(root);
    fs::create_directories(root);
    EXPECT_NE(CContactsDbIf::GetContactDbIf(), nullptr);
    ce::SetDeviceRoot(root_.path());
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open((root / "pim" / "contacts.db").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    return root;
  }

  fs::path DamagedStoreRoot() {
    const fs::path root = root_.path() / "damaged";
    fs::create_directories(root / "pim");
    std::string junk = std::string("SQLite format 3", 16);
    for (int i = 0; junk.size() < 8192; ++i) junk += static_cast<char>(i * 37);
    std::ofstream(root / "pim" / "contacts.db", std::ios::binary) << junk;
    return root;
  }

  vorna::test::TempDeviceRoot root_;
};

TEST_F(UnusableRoot, EveryCommandNamesTheProblemAndExitsWithTwo) {
  const fs::path file = root_.path() / "plain-file";
  std::ofstream(file) << "not a folder";
  struct Root {
    fs::path path;
    const char* says;
  };
  const Root roots[] = {
      {file / "sub" / "root", "cannot be created"},
      {file, "is not a folder"},
      {DamagedStoreRoot(), "damaged"},
      {NewerStoreRoot(), "newer"},
  };
  // The check comes before any command runs; these stand for the rest.
  const std::vector<std::vector<std::string>> commands = {
      {"contacts"}, {"identify", "13800138000"}, {"region", "13800138000"}, {"export"},
      {"import", file.string()}, {"add-call", "1", "--type", "missed"}, {"notify"}, {"root"},
  };
  for (const Root& root : roots) {
    std::set<std::string> before = Listing(root_.path());
    std::erase_if(before, [&](const std::string& path) { return path.starts_with((root.path / "log").string()); });
    const std::string store = fs::exists(root.path / "pim") ? ReadFileBytes(root.path / "pim" / "contacts.db") : "";
    for (const auto& command : commands) {
      std::vector<std::string> args = {"--root", root.path.string()};
      args.insert(args.end(), command.begin(), command.end());
      const auto result = vorna::test::RunVornactl(args);
      EXPECT_EQ(result.status, 2) << root.path << " " << command[0];
      EXPECT_EQ(result.out, "") << command[0];
      EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
      EXPECT_NE(result.err.find(root.says), std::string::npos) << result.err;
    }
    // The store and its folder are as they were: nothing made, nothing repaired.
    if (!store.empty()) {
      EXPECT_EQ(ReadFileBytes(root.path / "pim" / "contacts.db"), store);
    }
    // Only the debug log, inside the root, may have been written.
    std::set<std::string> after = Listing(root_.path());
    std::erase_if(after, [&](const std::string& path) { return path.starts_with((root.path / "log").string()); });
    EXPECT_EQ(after, before) << root.path;
  }
  const fs::path script = root_.path() / "tour.txt";
  std::ofstream(script) << "# nothing to do\n";
  const auto telhub = vorna::test::BuiltProgramsDir() / "telhub";
  if (fs::exists(telhub)) {
    for (const Root& root : roots) {
      EXPECT_EQ(vorna::test::RunProgram(telhub, {"--root", root.path.string(), "--headless", "--script", script.string()}), 2)
          << root.path;
    }
  }
}

TEST_F(UnusableRoot, AMissingRootIsMadeWithItsParents) {
  const fs::path fresh = root_.path() / "a" / "b" / "root";
  const auto result = vorna::test::RunVornactl({"--root", fresh.string(), "contacts"});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(fs::is_regular_file(fresh / "pim" / "contacts.db"));
}

}  // namespace
