// The phone settings: what a user changes is stored where the dialer reads
// it; cancelling and bad values store nothing; a store that refuses the
// write leaves the screen and the values to save again.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "SpeedDialDlg.h"
#include "TelPrefsApplet.h"
#include "TelPrefsArgs.h"
#include "TelPrefsWnd.h"
#include "ce/registry.h"
#include "host_fixture.h"
#include "qzpam/PhoneSettingsDbIf.h"

namespace {

using apps::test::HostTest;
using telhub::TelPrefsWnd;

class TelPrefsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    StartHost();
    settings_ = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
    ASSERT_NE(settings_, nullptr);
  }
  void Open() {
    ASSERT_TRUE(Launch(L"\\windows\\TelPrefs.exe", L"-p 4242"));
    robot_.Settle();
    ASSERT_NE(dynamic_cast<TelPrefsWnd*>(robot_.Foreground()), nullptr);
  }
  void TapSave() { TapToolBar(420); }
  void TapCancel() { TapToolBar(60); }
  static DWORD KeyValue() {
    HKEY key = nullptr;
    DWORD value = 0, size = sizeof value;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
      return 0;
    RegQueryValueExW(key, L"Key", nullptr, nullptr, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    return value;
  }
  PhoneSettingsDbIf* settings_ = nullptr;
};

TEST_F(TelPrefsTest, StoresEverySettingTheUserChanged) {
  Open();
  TapControl(TelPrefsWnd::ID_IP_PREFIX);
  robot_.Type(L"17951");
  TapControl(TelPrefsWnd::ID_NATIONAL_CODE);
  robot_.Type(L"86");
  TapControl(TelPrefsWnd::ID_REJECT);
  EXPECT_STREQ(robot_.FindControl(TelPrefsWnd::ID_KEY_CLICKS)->GetText(), L"按键音：开");  // on by default
  TapControl(TelPrefsWnd::ID_KEY_CLICKS);
  EXPECT_STREQ(robot_.FindControl(TelPrefsWnd::ID_KEY_CLICKS)->GetText(), L"按键音：关");

  // Entry 2 in its dialog: a name, a number, and "fill in the number".
  robot_.WhenModalWaits([this] {
    TapControl(telhub::SpeedDialDlg::ID_NAME);
    robot_.Type(L"Ann");
    TapControl(telhub::SpeedDialDlg::ID_NUMBER);
    robot_.Type(L"13800138000");
    TapControl(telhub::SpeedDialDlg::ID_FILL_FIELD);
    TapSave();
  });
  TapControl(TelPrefsWnd::ID_SPEED_DIAL_FIRST + 1);
  EXPECT_EQ(robot_.PendingModalSteps(), 0u);
  EXPECT_STREQ(robot_.FindControl(TelPrefsWnd::ID_SPEED_DIAL_FIRST + 1)->GetText(), L"2   Ann  13800138000");

  TapSave();
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(std::wstring(settings_->GetIPInUsed().view()), L"17951");
  qzu::string code;
  ASSERT_TRUE(settings_->GetNationalCode(code));
  EXPECT_EQ(std::wstring(code.view()), L"86");
  EXPECT_EQ(settings_->GetRejectCall(), 1);
  EXPECT_EQ(KeyValue(), 0x10000u);
  int flag = 0;
  qzu::string name, number;
  ASSERT_TRUE(settings_->GetSpeedDialItem(2, flag, name, number));
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(std::wstring(name.view()), L"Ann");
  EXPECT_EQ(std::wstring(number.view()), L"13800138000");

  // Opened again: key clicks back on, entry 2 cleared.
  Open();
  TapControl(TelPrefsWnd::ID_KEY_CLICKS);
  robot_.WhenModalWaits([this] {
    TapControl(telhub::SpeedDialDlg::ID_NUMBER);
    for (int i = 0; i < 11; ++i) robot_.Char(8);
    TapSave();
  });
  TapControl(TelPrefsWnd::ID_SPEED_DIAL_FIRST + 1);
  TapSave();
  robot_.Settle();
  EXPECT_EQ(KeyValue(), 0u);
  EXPECT_FALSE(settings_->GetSpeedDialItem(2, flag, name, number));
}

TEST_F(TelPrefsTest, CancelAndBadValuesStoreNothing) {
  ASSERT_TRUE(settings_->SetIPInUsed(L"12593"));
  Open();
  TapControl(TelPrefsWnd::ID_IP_PREFIX);
  robot_.Type(L"9");
  TapCancel();
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(std::wstring(settings_->GetIPInUsed().view()), L"12593");

  Open();
  TapControl(TelPrefsWnd::ID_NATIONAL_CODE);
  robot_.Type(L"8x");
  bool warned = false;
  robot_.WhenModalWaits([this, &warned] {
    warned = true;
    robot_.Foreground()->SendMessageW(WM_CLOSE, 0, 0);
  });
  TapSave();
  EXPECT_TRUE(warned);
  EXPECT_NE(dynamic_cast<TelPrefsWnd*>(robot_.Foreground()), nullptr);  // still open
  qzu::string code;
  EXPECT_FALSE(settings_->GetNationalCode(code));
}

TEST_F(TelPrefsTest, SettingsThatCannotBeStoredStayOnScreenToBeSavedAgain) {
  Open();
  auto* prefs = robot_.Foreground();
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
  TapSave();
  EXPECT_TRUE(told);
  EXPECT_EQ(robot_.Foreground(), prefs);

  limit.rlim_cur = unlimited;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  TapSave();
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_EQ(std::wstring(settings_->GetIPInUsed().view()), L"17951");
}

TEST(TelPrefsArgs, ReadsTheOwnersHandle) {
  EXPECT_EQ(telhub::ParseTelPrefsArgs(L"-p 4242"), reinterpret_cast<HWND>(4242));
  EXPECT_EQ(telhub::ParseTelPrefsArgs(L"-p -1"), reinterpret_cast<HWND>(0xFFFFFFFFu));
  EXPECT_EQ(telhub::ParseTelPrefsArgs(L""), static_cast<HWND>(nullptr));
  for (const wchar_t* bad : {L"-p", L"-p ", L"-p 12a", L"-p 4294967296", L"-p --1", L"-x 1", L"-p 1 2"})
    EXPECT_FALSE(telhub::ParseTelPrefsArgs(bad)) << bad;
}

}  // namespace
