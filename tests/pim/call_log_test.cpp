// Call threads, per-number history and deletion, missed-only included.
#include <gtest/gtest.h>

#include "qzpam/PhoneSettingsDbIf.h"
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

// Numbers written every way the matching rule reads as one, owners that
// tie, and calls at the same second: every thread read at once (the more-
// records row) is the first page read call by call, and each thread's owner
// is the one SearchPN names, at home in China and in Britain.
TEST_F(CallLog, EveryThreadAtOnceAgreesWithTheFirstPageAndWithSearchPN) {
  const int a = Add(L"", L"A", {L"13800138000"});
  Add(L"", L"B", {L"0755 1234 5678", L"13800138000"});  // A's number, not B's primary
  Add(L"", L"C", {L"12345678"});                        // B's first without its area code
  Add(L"", L"D", {L"+44 20 7946 0018"});
  Add(L"", L"E", {L"10086", L"020 7946 0018"});
  const wchar_t* const numbers[] = {L"13800138000",       L"+86 138 0013 8000", L"008613800138000",
                                    L"8613800138000",     L"0755-1234-5678",    L"12345678",
                                    L"+44 20 7946 0018",  L"0044 20 7946 0018", L"020 7946 0018",
                                    L"10086",             L"",                  L"+1 202 555 0123",
                                    L"1 202 555 0123",    L"15900001111",       L"+8615900001111"};
  const int count = static_cast<int>(std::size(numbers));
  for (int i = 0; i < 400; ++i) Call(numbers[(i * 7) % count], 1000 + (i * 37) % 150, 1 + i % 7 % 5);
  EXPECT_EQ(Owner(L"+86 138 0013 8000"), a);
  for (const wchar_t* home : {L"", L"44"}) {
    ASSERT_TRUE(PhoneSettingsDbIf::GetPhoneSettingsDbIf()->SetNationalCode(home));
    for (const bool missed : {false, true}) {
      const std::vector<Thread> all = Threads(missed, 9999);
      EXPECT_EQ(all, Threads(missed, 100)) << "home " << home << (missed ? ", missed" : "");
      EXPECT_GE(all.size(), 8u);
      for (const Thread& t : all) EXPECT_EQ(t.contactId, Owner(t.number.c_str())) << t.number << ", home " << home;
    }
  }
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
