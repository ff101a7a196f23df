// The in-call screen: who is called, the radio layer's view of the call,
// and the call recorded when the user hangs up.
#include <gtest/gtest.h>

#include "CallDeskApplet.h"
#include "CallDeskArgs.h"
#include "CallDeskWnd.h"
#include "RadioBridge.h"
#include "ce/modules.h"
#include "host_fixture.h"
#include "qzpam/CContactsDbIf.h"
#include "qzfc/UiStatic.h"

namespace {

using apps::test::HostTest;
using telhub::CallDeskWnd;

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
  std::wstring Text(int id) { return static_cast<UiStatic*>(robot_.FindControl(id))->GetText(); }
  int AddContact(const wchar_t* last, const wchar_t* first, const wchar_t* number) {
    CContactInfo record;
    record.UpdateNameInfo(last, first, L"");
    record.AddPhoneNumber(0, number, 0, 1);
    return CContactsDbIf::GetContactDbIf()->AddContact(record);
  }
  RadioListener listener_;
};

TEST_F(CallDeskTest, ShowsTheContactRecordsTheCallOnHangUpAndReturnsToTheHost) {
  ASSERT_GT(AddContact(L"张", L"伟", L"138 0013 8000"), 0);
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

  qzu::string number, name;
  int time = 0, value = 0, type = 0, contact = 0;
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->GetCallHistory(10, number, time, value, type, name, contact, true));
  EXPECT_EQ(std::wstring(number.view()), L"+8613800138000");
  EXPECT_EQ(type, 1);
  EXPECT_EQ(value, 75);
  EXPECT_EQ(std::wstring(name.view()), L"张伟");
  EXPECT_GT(time, 1700000000);
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
