// The in-call screen: who is called, the radio layer's view of the call,
// and the call recorded when it ends: by the hang-up button, by another
// program closing the screen, or with the host.
#include <gtest/gtest.h>

#include "CallDeskApplet.h"
#include "CallDeskArgs.h"
#include "CallDeskWnd.h"
#include "RadioBridge.h"
#include "ce/modules.h"
#include "host_fixture.h"
#include "qzpam/CContactsDbIf.h"

namespace {

using apps::test::HostTest;
using telhub::CallDeskWnd;

// The latest call in the log, as "number type seconds name".
std::wstring LatestCall() {
  qzu::string number, name;
  int time = 0, seconds = 0, type = 0, contact = 0;
  if (!CContactsDbIf::GetContactDbIf()->GetCallHistory(1, number, time, seconds, type, name, contact, true))
    return L"(none)";
  EXPECT_GT(time, 1700000000);
  return std::wstring(number.view()) + L" " + std::to_wstring(type) + L" " + std::to_wstring(seconds) + L" " +
         std::wstring(name.view());
}

int ExistingCalls() {
  HMODULE radio = LoadLibraryW(L"RadioBridge.dll");
  auto count = reinterpret_cast<int (*)(int*)>(GetProcAddressW(radio, L"PAL_SGetExistedCallCnt"));
  int calls = 99;
  if (!count || !count(&calls)) ADD_FAILURE() << "PAL_SGetExistedCallCnt is not answered";
  return calls;
}

// A window that counts the radio layer's broadcasts.
class RadioListener : public CQzWndEx {
 public:
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == RegisterWindowMessageW(L"PalBroadcastNotifyMsgName") && w == 1) ++changes;
    return CQzWndEx::QzDefWndProc(msg, w, l);
  }
  int changes = 0;
};

class CallDeskTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    StartHost();
    ASSERT_TRUE(listener_.Create(0, 80, 10, 10, nullptr, 0));
    telhub::RadioBridge::Get().Listen(listener_.GetHwnd());
  }
  RadioListener listener_;
};

TEST_F(CallDeskTest, ShowsTheContactRecordsTheCallOnHangUpAndReturnsToTheHost) {
  AddContact(L"张", L"伟", L"138 0013 8000");
  ASSERT_TRUE(Launch(L"\\windows\\calldesk.exe", L"-n +8613800138000"));
  robot_.Settle();
  auto* call = dynamic_cast<CallDeskWnd*>(robot_.Foreground());
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(Text(CallDeskWnd::ID_NAME), L"张伟");
  EXPECT_EQ(Text(CallDeskWnd::ID_LABEL), L"手机");
  EXPECT_EQ(Text(CallDeskWnd::ID_NUMBER), L"+8613800138000");
  EXPECT_EQ(ExistingCalls(), 1);
  EXPECT_EQ(listener_.changes, 1);

  // A second call is refused while this one lasts.
  EXPECT_FALSE(Launch(L"\\windows\\calldesk.exe", L"-n 10086"));

  robot_.Advance(75 * 1000 + 400);
  EXPECT_EQ(Text(CallDeskWnd::ID_DURATION), L"01:15");
  RECT button = robot_.FindControl(CallDeskWnd::ID_HANG_UP)->GetWinRect();
  robot_.Tap(button.left + 20, 80 + button.top + 20);
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(telhub::ActiveCallDesk(), nullptr);
  EXPECT_EQ(ExistingCalls(), 0);
  EXPECT_EQ(listener_.changes, 2);

  EXPECT_EQ(LatestCall(), L"+8613800138000 1 75 张伟");
}

TEST_F(CallDeskTest, ShowsAStrangersNumberAlone) {
  AddContact(L"Smith", L"Anna", L"13899991234");
  ASSERT_TRUE(Launch(L"\\windows\\calldesk.exe", L"-n 1234"));  // a short code matches no one
  robot_.Settle();
  EXPECT_EQ(Text(CallDeskWnd::ID_NAME), L"");
  EXPECT_EQ(Text(CallDeskWnd::ID_LABEL), L"");
  EXPECT_EQ(Text(CallDeskWnd::ID_NUMBER), L"1234");
  telhub::ActiveCallDesk()->HangUp();
  robot_.Settle();
  EXPECT_EQ(ExistingCalls(), 0);
}

TEST_F(CallDeskTest, AClosedInCallScreenEndsItsCallAndTheNextCallCanBePlaced) {
  ASSERT_TRUE(Launch(L"\\windows\\calldesk.exe", L"-n 10086"));
  robot_.Advance(2 * 3600 * 1000 + 5000);
  EXPECT_EQ(Text(CallDeskWnd::ID_DURATION), L"2:00:05");

  // Another program asks the screen to close.
  ASSERT_TRUE(PostMessageW(FindWindowW(L"CallDeskWnd", nullptr), WM_CLOSE, 0, 0));
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(ExistingCalls(), 0);
  EXPECT_EQ(LatestCall(), L"10086 1 7205 ");

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
  EXPECT_EQ(LatestCall(), L"95588 1 30 ");
  EXPECT_EQ(telhub::RadioBridge::Get().ExistingCalls(), 0);
}

TEST(CallDeskArgs, TakesOnlyDashNWithAPrintableNumber) {
  const std::pair<const wchar_t*, const wchar_t*> good[] = {
      {L"-n 10086", L"10086"}, {L"-n  *#06# ", L"*#06#"}, {L"-n 17951+86 138", L"17951+86 138"}};
  for (const auto& [parameters, number] : good) EXPECT_EQ(telhub::ParseCallDeskArgs(parameters), number);
  const wchar_t* bad[] = {L"", L"-n", L"-n ", L"-n    ", L"-k 10086", L"10086", L"-n 100\n86", L"-N 10086"};
  for (const wchar_t* parameters : bad) EXPECT_FALSE(telhub::ParseCallDeskArgs(parameters)) << parameters;
  EXPECT_FALSE(telhub::ParseCallDeskArgs(L"-n " + std::wstring(65, L'1')));
  EXPECT_TRUE(telhub::ParseCallDeskArgs(L"-n " + std::wstring(64, L'1')));
}

}  // namespace
