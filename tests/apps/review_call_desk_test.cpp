// The in-call screen when it is closed other than by its hang-up button:
// the call still ends, is recorded, and the phone can call again.
#include <gtest/gtest.h>

#include "CallDeskApplet.h"
#include "CallDeskWnd.h"
#include "RadioBridge.h"
#include "host_fixture.h"
#include "qzfc/UiStatic.h"
#include "qzpam/CContactsDbIf.h"

namespace {

using apps::test::HostTest;
using telhub::CallDeskWnd;

// The latest call in the log: its number and value (seconds).
bool LatestCall(std::wstring& number, int& seconds) {
  qzu::string logged, name;
  int time = 0, type = 0, contact = 0;
  if (!CContactsDbIf::GetContactDbIf()->GetCallHistory(1, logged, time, seconds, type, name, contact, true))
    return false;
  number = std::wstring(logged.view());
  return true;
}

TEST_F(HostTest, AClosedInCallScreenEndsItsCallAndTheNextCallCanBePlaced) {
  StartHost();
  ASSERT_TRUE(Launch(L"\\windows\\calldesk.exe", L"-n 10086"));
  robot_.Advance(2 * 3600 * 1000 + 5000);
  EXPECT_STREQ(robot_.FindControl(CallDeskWnd::ID_DURATION)->GetText(), L"2:00:05");

  // Another program asks the screen to close.
  ASSERT_TRUE(PostMessageW(FindWindowW(L"CallDeskWnd", nullptr), WM_CLOSE, 0, 0));
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(telhub::RadioBridge::Get().ExistingCalls(), 0);
  std::wstring number;
  int seconds = 0;
  ASSERT_TRUE(LatestCall(number, seconds));
  EXPECT_EQ(number, L"10086");
  EXPECT_EQ(seconds, 2 * 3600 + 5);

  EXPECT_TRUE(Launch(L"\\windows\\calldesk.exe", L"-n 10010"));
  robot_.Settle();
  ASSERT_NE(telhub::ActiveCallDesk(), nullptr);
  EXPECT_EQ(telhub::ActiveCallDesk()->Number(), L"10010");
}

// The fixture's own host is not started: this one goes while its call is up.
TEST_F(HostTest, ACallUpWhenTheHostEndsIsRecorded) {
  {
    telhub::HostApp host;
    ASSERT_TRUE(host.Start(telhub::DemoStore::Never));
    ASSERT_TRUE(Launch(L"\\windows\\calldesk.exe", L"-n 95588"));
    robot_.Advance(30 * 1000);
  }
  std::wstring number;
  int seconds = 0;
  ASSERT_TRUE(LatestCall(number, seconds));
  EXPECT_EQ(number, L"95588");
  EXPECT_EQ(seconds, 30);
  EXPECT_EQ(telhub::RadioBridge::Get().ExistingCalls(), 0);
}

}  // namespace
