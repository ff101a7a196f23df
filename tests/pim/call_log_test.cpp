// Call threads, per-number history and deletion, missed-only included.
#include <gtest/gtest.h>

#include "store_helpers.h"

namespace {

using pimtest::Thread;

class CallLog : public pimtest::StoreTest {
 protected:
  void Call(const wchar_t* number, int time, int type, int value = 1) {
    ASSERT_TRUE(db()->InsertCall(number, time, value, type));
  }
};

TEST_F(CallLog, OneThreadPerNumberWithItsLatestCallNewestFirst) {
  int anna = Add(L"", L"Anna", {L"13800138000"});
  Call(L"13800138000", 100, 1);
  Call(L"0755-12345678", 200, 2);
  Call(L"+86 138 0013 8000", 300, 3);  // the same number as the first call
  Call(L"", 250, 3);                    // a hidden caller
  Call(L"", 260, 2);
  EXPECT_EQ(Threads(), (std::vector<Thread>{{L"+86 138 0013 8000", 300, 3, L"Anna", anna},
                                                 {L"", 260, 2, L"", 0},
                                                 {L"0755-12345678", 200, 2, L"", 0}}));
  EXPECT_EQ(Threads(false, 2).size(), 2u);
  EXPECT_EQ(Threads(false, 0).size(), 0u);
  EXPECT_EQ(Threads(true), (std::vector<Thread>{{L"+86 138 0013 8000", 300, 3, L"Anna", anna}, {L"", 250, 3, L"", 0}}));
  EXPECT_EQ(Times(L"13800138000"), (std::vector<int>{300, 100}));
  EXPECT_EQ(Times(L"13800138000", false, 1), (std::vector<int>{300}));
  EXPECT_EQ(Times(L""), (std::vector<int>{260, 250}));
  EXPECT_EQ(Times(L"008613800138000", true), (std::vector<int>{300}));
}

TEST_F(CallLog, MissedOnlyDeletionKeepsTheNumbersOtherCalls) {
  Call(L"13800138000", 100, 1);
  Call(L"13800138000", 200, 3);
  Call(L"13800138000", 300, 3);
  Call(L"13900000000", 400, 3);
  int before = db()->GetCallsChangeCount();
  EXPECT_TRUE(db()->DeleteCalls(L"138 0013 8000", 1));
  EXPECT_FALSE(db()->DeleteCallThread(L"138 0013 8000", 1));  // nothing left to remove
  EXPECT_NE(db()->GetCallsChangeCount(), before);
  EXPECT_EQ(Times(L"13800138000"), (std::vector<int>{100}));
  EXPECT_EQ(Threads(true).size(), 1u);
  EXPECT_EQ(Threads().size(), 2u);

  EXPECT_TRUE(db()->DeleteCallThread(L"13800138000", 0));
  EXPECT_EQ(Threads().size(), 1u);
  EXPECT_TRUE(db()->DeleteCalls());
  EXPECT_TRUE(Threads().empty());
  before = db()->GetCallsChangeCount();
  EXPECT_FALSE(db()->DeleteCalls());
  EXPECT_EQ(db()->GetCallsChangeCount(), before);
}

TEST_F(CallLog, ThreadsFollowTheContactsAsTheyChange) {
  Call(L"13800138000", 100, 2);
  EXPECT_EQ(Threads()[0].contactId, 0);
  int anna = Add(L"", L"Anna", {L"+8613800138000"});
  EXPECT_EQ(Threads()[0].contactId, anna);
  EXPECT_EQ(Threads()[0].name, L"Anna");
  ASSERT_TRUE(db()->RemoveContact(anna));
  EXPECT_EQ(Threads()[0].contactId, 0);
}

}  // namespace
