// The phone host: its tabs, the messages of the tab windows and of other
// programs, and its "-k" dialling.
#include <gtest/gtest.h>

#include "DialParameters.h"
#include "mailcomposer/MailComposer.h"
#include "ce/window_registry.h"
#include "host_fixture.h"
#include "qzfc/Screen.h"
#include "qzfc/WinApi.h"

namespace {

using apps::test::HostTest;
using telhub::CTelhubWnd;

bool Shows(CTelhubWnd& host, int tab) { return host.TabWindow(tab)->IsWindowVisible() != FALSE; }

TEST_F(HostTest, StartsOnTheDialerAndSwitchesTabsWhenATabWindowAsks) {
  StartHost();
  CTelhubWnd& host = host_.Window();
  EXPECT_EQ(FindWindowW(L"CTelhubWnd", nullptr), host.GetHwnd());
  EXPECT_EQ(robot_.Foreground(), &host);
  EXPECT_EQ(host.CurrentTab(), telhub::TAB_DIALER);
  EXPECT_TRUE(Shows(host, telhub::TAB_DIALER));

  // A tab window sends 0x401 with the tab in lParam.
  host.TabWindow(telhub::TAB_DIALER)->SendMessageW(0, 0, 0);
  SendMessageW(host.GetHwnd(), WM_USER + 1, 0, telhub::TAB_CONTACTS);
  EXPECT_EQ(host.CurrentTab(), telhub::TAB_CONTACTS);
  EXPECT_TRUE(Shows(host, telhub::TAB_CONTACTS));
  EXPECT_FALSE(Shows(host, telhub::TAB_DIALER));
  EXPECT_STREQ(host.GetWindowText(), telhub::TabTitle(telhub::TAB_CONTACTS));

  // Not a tab: nothing changes.
  SendMessageW(host.GetHwnd(), WM_USER + 1, 0, 6);
  SendMessageW(host.GetHwnd(), WM_USER + 1, 0, 0);
  EXPECT_EQ(host.CurrentTab(), telhub::TAB_CONTACTS);

  // The tab buttons of the contacts tab switch tabs too.
  robot_.Tap(160, 765);
  EXPECT_EQ(host.CurrentTab(), telhub::TAB_CALL_LOG);
  EXPECT_TRUE(Shows(host, telhub::TAB_CALL_LOG));
  EXPECT_FALSE(Shows(host, telhub::TAB_CONTACTS));
}

TEST_F(HostTest, RefreshesTheCallLogWhenDataChangeAndWhenItComesToTheFront) {
  StartHost();
  CTelhubWnd& host = host_.Window();
  int before = host.CallLogRefreshes();

  // What NotifyContactDbChanged posts (the vornactl tests see it cross processes).
  ASSERT_TRUE(PostMessageW(FindWindowW(L"CTelhubWnd", nullptr), WM_USER + 4, 0, 0));
  robot_.Settle();
  EXPECT_EQ(host.CallLogRefreshes(), before + 1);

  // Another program's window covers the host, then goes away.
  CQzWndEx other;
  RECT area = QzGetWorkArea();
  ASSERT_TRUE(other.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0));
  other.Show(TRUE);
  robot_.Settle();
  EXPECT_EQ(host.CallLogRefreshes(), before + 1);
  other.Show(FALSE);
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host);
  EXPECT_EQ(host.CallLogRefreshes(), before + 2);
}

TEST_F(HostTest, DialsWhatItIsStartedWithThroughTheInCallScreen) {
  StartHost();
  EXPECT_TRUE(Launch(L"\\windows\\telhub.exe", L"-k 10086"));
  std::vector<std::wstring> launches = Launches();
  ASSERT_EQ(launches.size(), 2u);
  EXPECT_EQ(launches[0], L"\\windows\\telhub.exe|-k 10086");
  EXPECT_EQ(launches[1], L"\\windows\\calldesk.exe|-n 10086");

  EXPECT_FALSE(Launch(L"\\windows\\telhub.exe", L"-k "));
  EXPECT_EQ(Launches().size(), 3u);  // no call placed

  const std::pair<const wchar_t*, const wchar_t*> forms[] = {
      {L"-k 123", L"123"}, {L"-k  +86 138 ", L"+86 138"}, {L"-k", L""}, {L"-n 123", L""}, {L"", L""}};
  for (const auto& [parameters, number] : forms) EXPECT_EQ(telhub::ParseDialParameters(parameters), number);
}

TEST_F(HostTest, OffersTheMailComposerToTheLibrary) {
  StartHost();
  void* composer = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_MailComposer, nullptr, CLSCTX_INPROC_SERVER, IID_IMailComposer, &composer), S_OK);
  static_cast<IUnknown*>(composer)->Release();
}

}  // namespace
