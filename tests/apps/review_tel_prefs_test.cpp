// The phone settings when the store refuses a write: the user is told and
// keeps the screen and the values to save again.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "TelPrefsWnd.h"
#include "host_fixture.h"
#include "qzpam/PhoneSettingsDbIf.h"

namespace {

using apps::test::HostTest;
using telhub::TelPrefsWnd;

TEST_F(HostTest, SettingsThatCannotBeStoredStayOnScreenToBeSavedAgain) {
  StartHost();
  ASSERT_TRUE(Launch(L"\\windows\\TelPrefs.exe", L"-p 1"));
  robot_.Settle();
  auto* prefs = dynamic_cast<TelPrefsWnd*>(robot_.Foreground());
  ASSERT_NE(prefs, nullptr);
  TapControl(TelPrefsWnd::ID_IP_PREFIX);
  robot_.Type(L"17951");

  // No file may grow any more: the store cannot write.
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlim_t unlimited = limit.rlim_cur;
  limit.rlim_cur = 0;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  bool told = false;
  robot_.WhenModalWaits([this, &told] {
    told = true;
    robot_.Foreground()->SendMessageW(WM_CLOSE, 0, 0);
  });
  TapToolBar(420);
  EXPECT_TRUE(told);
  EXPECT_EQ(robot_.Foreground(), prefs);

  limit.rlim_cur = unlimited;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  TapToolBar(420);
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(std::wstring(PhoneSettingsDbIf::GetPhoneSettingsDbIf()->GetIPInUsed().view()), L"17951");
}

}  // namespace
