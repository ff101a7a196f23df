// The device's first start: the build's files in \windows, and the demo
// store seeded once, only into an empty store, even by two hosts starting
// together.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "DemoStore.h"
#include "DeviceFiles.h"
#include "HostSetup.h"
#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"

namespace {

namespace fs = std::filesystem;

std::vector<int> ContactIds() {
  std::vector<int> ids;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false) ids.push_back(id);
  return ids;
}

TEST(DeviceSetup, CopiesTheBuildsFilesAndKeepsTheDevicesOwn) {
  vorna::test::TempDeviceRoot root;
  fs::create_directories(root.path() / "Windows");
  { std::ofstream(root.path() / "Windows" / "dtmf1.wav") << "mine"; }

  vorna::device::InstallReport report = vorna::device::InstallDeviceFiles();
  EXPECT_TRUE(report.ok);
  EXPECT_TRUE(report.missing.empty());
  EXPECT_EQ(report.copied.size(), vorna::device::DeviceFileNames().size() - 1);
  for (const char* name : {"DTMF2.WAV", "DTMF12.WAV", "Vornalib.dll.0409.MUI"})
    EXPECT_GT(fs::file_size(root.path() / "Windows" / name), 40u) << name;
  std::ifstream mine(root.path() / "Windows" / "dtmf1.wav");
  std::string text;
  mine >> text;
  EXPECT_EQ(text, "mine");
  EXPECT_FALSE(fs::exists(root.path() / "windows"));  // one folder, whatever its case

  EXPECT_TRUE(vorna::device::InstallDeviceFiles().copied.empty());
}

TEST(DeviceSetup, SeedsTheDemoStoreOnceAndOnlyIntoAnEmptyStore) {
  vorna::test::TempDeviceRoot root;
  EXPECT_FALSE(telhub::SetUpDevice(telhub::DemoStore::Never).seeded);
  EXPECT_TRUE(ContactIds().empty());
  EXPECT_TRUE(telhub::SetUpDevice(telhub::DemoStore::SeedWhenEmpty).seeded);
  std::vector<int> ids = ContactIds();
  EXPECT_EQ(ids.size(), static_cast<size_t>(vorna::device::kFirstStartContacts));

  // The user clears the phone: it stays empty on the next start.
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  for (int id : ids) db->RemoveContact(id);
  db->DeleteCalls();
  EXPECT_FALSE(telhub::SetUpDevice(telhub::DemoStore::SeedWhenEmpty).seeded);
  EXPECT_TRUE(ContactIds().empty());

  // A new device whose store holds only a call of the user's is not seeded,
  // nor is it once that call is gone.
  vorna::test::TempDeviceRoot other;
  ASSERT_TRUE(db->InsertCall(L"10086", 1700000000, 30, 1));
  EXPECT_FALSE(telhub::SetUpDevice(telhub::DemoStore::SeedWhenEmpty).seeded);
  EXPECT_TRUE(ContactIds().empty());
  db->DeleteCalls();
  EXPECT_FALSE(telhub::SetUpDevice(telhub::DemoStore::SeedWhenEmpty).seeded);
  EXPECT_TRUE(ContactIds().empty());
}

// Runs `body` in a child process; its exit status.
template <typename Body>
int InChild(Body body) {
  pid_t child = fork();
  if (child == 0) _exit(body());
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DeviceSetup, TwoHostsStartingTogetherSeedTheStoreOnce) {
  vorna::test::TempDeviceRoot root;
  // The device files are in place and the store exists, empty, so both
  // hosts come to the seeding at once. The store is only ever opened in
  // child processes, never here before a fork.
  ASSERT_EQ(InChild([] { return vorna::device::InstallDeviceFiles().ok && ContactIds().empty() ? 0 : 1; }), 0);
  // Both processes wait on the pipe and set up the device the moment it
  // closes.
  int gate[2];
  ASSERT_EQ(pipe(gate), 0);
  pid_t children[2];
  for (pid_t& child : children) {
    child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(gate[1]);
      char byte;
      (void)!read(gate[0], &byte, 1);
      bool seeded = telhub::SetUpDevice(telhub::DemoStore::SeedWhenEmpty).seeded;
      _exit(seeded ? 0 : 1);
    }
  }
  close(gate[0]);
  close(gate[1]);
  int seededBy = 0;
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    seededBy += WEXITSTATUS(status) == 0;
  }
  EXPECT_EQ(seededBy, 1);
  EXPECT_EQ(ContactIds().size(), static_cast<size_t>(vorna::device::kFirstStartContacts));
}

}  // namespace
