// The change checks see changes that another process makes to the store,
// once per change.
#include <gtest/gtest.h>

#include "core/util/ChangeChecks.h"
#include "platform/PimContract.h"
#include "temp_root.h"

namespace {

using vorna::test::BuiltProgramsDir;
using vorna::test::RunProgram;

// Another process adds `count` contacts, each with one call.
void PeerAddsContacts(const std::string& tag, int count) {
  ASSERT_EQ(RunProgram(BuiltProgramsDir() / "pim_store_peer", {"contacts", tag, std::to_string(count)}), 0);
}

TEST(ChangeChecks, TrueExactlyOnceForEachChangeByAnotherProcess) {
  vorna::test::TempDeviceRoot root;
  int calls = -1, contacts = -1;
  // The first check after start always reloads.
  EXPECT_TRUE(CallsChanged(calls));
  EXPECT_TRUE(ContactsChanged(contacts));
  EXPECT_FALSE(CallsChanged(calls));
  EXPECT_FALSE(ContactsChanged(contacts));

  for (int round = 1; round <= 2; ++round) {
    PeerAddsContacts("round" + std::to_string(round), round);
    EXPECT_TRUE(CallsChanged(calls)) << "round " << round;
    EXPECT_FALSE(CallsChanged(calls)) << "round " << round;
    EXPECT_TRUE(ContactsChanged(contacts)) << "round " << round;
    EXPECT_FALSE(ContactsChanged(contacts)) << "round " << round;
  }
  EXPECT_EQ(calls, CContactsDbIf::GetContactDbIf()->GetCallsChangeCount());
}

TEST(ChangeChecks, SyncSkipsChangesAlreadyShown) {
  vorna::test::TempDeviceRoot root;
  int calls = -1;
  SyncCallsChangeCount(calls);
  EXPECT_FALSE(CallsChanged(calls));
  PeerAddsContacts("sync", 1);
  SyncCallsChangeCount(calls);
  EXPECT_FALSE(CallsChanged(calls));
}

}  // namespace
