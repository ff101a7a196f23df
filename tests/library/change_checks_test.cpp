// The change checks see changes that another process makes to the store,
// once per change.
#include <gtest/gtest.h>

#include "core/util/ChangeChecks.h"
#include "platform/PimContract.h"
#include "temp_root.h"

namespace {

// Another process adds `count` contacts, each with one call.
void PeerAddsContacts(const std::string& tag, int count) {
  ASSERT_EQ(vorna::test::RunProgram(vorna::test::BuiltProgramsDir() / "pim_store_peer",
                                    {"contacts", tag, std::to_string(count)}),
            0);
}

TEST(ChangeChecks, TrueExactlyOnceForEachChangeByAnotherProcess) {
  vorna::test::TempDeviceRoot root;
  int calls = -1, contacts = -1;
  // The first check after start always reloads (round 0).
  for (int round = 0; round <= 2; ++round) {
    if (round) PeerAddsContacts("round" + std::to_string(round), round);
    EXPECT_TRUE(CallsChanged(calls)) << "round " << round;
    EXPECT_FALSE(CallsChanged(calls)) << "round " << round;
    EXPECT_TRUE(ContactsChanged(contacts)) << "round " << round;
    EXPECT_FALSE(ContactsChanged(contacts)) << "round " << round;
  }
  EXPECT_EQ(calls, CContactsDbIf::GetContactDbIf()->GetCallsChangeCount());

  // Syncing takes in changes already shown.
  PeerAddsContacts("sync", 1);
  SyncCallsChangeCount(calls);
  EXPECT_FALSE(CallsChanged(calls));
}

}  // namespace
