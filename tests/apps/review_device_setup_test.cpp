// Two hosts starting at once on a new device: the demo store is seeded once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DemoStore.h"
#include "DeviceFiles.h"
#include "HostSetup.h"
#include "qzpam/CContactsDbIf.h"
#include "temp_root.h"

namespace {

int CountContacts() {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  int id = 0, type = 0, count = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false) ++count;
  return count;
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
  ASSERT_EQ(InChild([] { return vorna::device::InstallDeviceFiles().ok && CountContacts() == 0 ? 0 : 1; }), 0);
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
  EXPECT_EQ(CountContacts(), vorna::device::kFirstStartContacts);
}

}  // namespace
