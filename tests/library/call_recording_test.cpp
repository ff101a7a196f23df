// Recording calls from other programs.
#include <gtest/gtest.h>

#include "contactdata/CallRecording.h"
#include "contactdata_helpers.h"

namespace {

class CallRecording : public contactdata_test::StoreTest {
 protected:
  struct Call {
    std::wstring number;
    int time, value, type;
    bool operator==(const Call&) const = default;
  };
  std::vector<Call> Calls() {
    std::vector<Call> calls;
    qzu::string number, name;
    int time = 0, value = 0, type = 0, contact = 0;
    for (bool first = true; db()->GetCallHistory(100, number, time, value, type, name, contact, first); first = false)
      calls.push_back({std::wstring(number.view()), time, value, type});
    return calls;
  }
};

SYSTEMTIME Utc(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  SYSTEMTIME t{};
  t.wYear = year, t.wMonth = month, t.wDay = day, t.wHour = hour, t.wMinute = minute;
  return t;
}

TEST_F(CallRecording, SystemTimeIsStoredAsUnixSecondsAndTimesTheLogCannotHoldRecordNothing) {
  const int calls = db()->GetCallsChangeCount();
  SYSTEMTIME t[] = {Utc(2026, 12, 6, 10, 15), Utc(2026, 12, 6, 11, 0), Utc(2026, 2, 30, 0, 0), Utc(2040, 1, 1, 0, 0)};
  EXPECT_TRUE(AddCallHistory(L"13800138000", t[0], 75, 2));
  EXPECT_TRUE(AddCallHistory(L"", t[1], 4, 3));  // a hidden caller
  EXPECT_NE(db()->GetCallsChangeCount(), calls);
  EXPECT_FALSE(AddCallHistory(L"13800138000", t[2], 1, 1));  // no such day
  EXPECT_FALSE(AddCallHistory(L"13800138000", t[3], 1, 1));  // beyond the log's 32-bit seconds
  EXPECT_EQ(Calls(), (std::vector<Call>{{L"", 1796554800, 4, 3}, {L"13800138000", 1796552100, 75, 2}}));
}

}  // namespace
