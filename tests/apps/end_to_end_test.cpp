// The phone from the user's side: the settings reaching the dialer, and the
// README's tour (a call to a seeded contact from the dial pad) replayed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SpeedDialDlg.h"
#include "TelPrefsWnd.h"
#include "qzfc/IItemCollection.h"
#include "qzfc/UiCustomList.h"
#include "host_fixture.h"
#include "qzpam/CContactsDbIf.h"
#include "qzpam/PhoneSettingsDbIf.h"

namespace {

using apps::test::HostTest;

constexpr int kDialField = 527;
constexpr int kKeyThree = 514;

// The number of speed-dial entry 3: a seeded contact's mobile number.
qzu::string SeededNumber(qzu::string* name) {
  int flag = 0;
  qzu::string number;
  PhoneSettingsDbIf::GetPhoneSettingsDbIf()->GetSpeedDialItem(3, flag, *name, number);
  return number;
}

class PhoneTest : public HostTest {
 protected:
  std::wstring DialField() {
    return robot_.FindControl(host_.Window().TabWindow(telhub::TAB_DIALER), kDialField)->GetText();
  }
};

TEST_F(PhoneTest, TypedKeysReachTheDialerAndItsSettingsShowWhenItComesBack) {
  StartHost();
  robot_.Type(L"10086");
  EXPECT_EQ(DialField(), L"10086");

  robot_.Tap(420, 765);  // the dialer's settings button
  ASSERT_NE(dynamic_cast<telhub::TelPrefsWnd*>(robot_.Foreground()), nullptr);
  EXPECT_EQ(Launches().back(), L"\\windows\\TelPrefs.exe|-p " +
                                   std::to_wstring(reinterpret_cast<uintptr_t>(
                                       host_.Window().TabWindow(telhub::TAB_DIALER)->GetHwnd())));
  robot_.WhenModalWaits([this] {
    TapControl(telhub::SpeedDialDlg::ID_NAME);
    robot_.Type(L"Mum");
    TapControl(telhub::SpeedDialDlg::ID_NUMBER);
    robot_.Type(L"13912345678");
    TapToolBar(420);
  });
  TapControl(telhub::TelPrefsWnd::ID_SPEED_DIAL_FIRST + 2);
  TapToolBar(420);  // save
  robot_.Settle();
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
  EXPECT_STREQ(robot_.FindControl(host_.Window().TabWindow(telhub::TAB_DIALER), kKeyThree)->GetText(), L"Mum");
}

TEST_F(PhoneTest, ACallHungUpIsAtTheTopOfTheCallLogWithItsLength) {
  StartHost();
  ASSERT_TRUE(Launch(L"\\windows\\telhub.exe", L"-k 10086"));
  robot_.Settle();
  robot_.Advance(42000);
  robot_.Tap(240, 675);  // hang up
  robot_.Settle();
  robot_.Tap(160, 765);  // the call log tab
  CQzWnd* log = host_.Window().TabWindow(telhub::TAB_CALL_LOG);
  ASSERT_TRUE(log->IsWindowVisible());
  auto* threads = dynamic_cast<UiCustomList*>(robot_.FindControl(log, 1));
  ASSERT_NE(threads, nullptr);
  IItemCollection* rows = threads->GetCustomItemCollection();
  ASSERT_GE(rows->GetItemCount(), 1);
  EXPECT_EQ(rows->GetItemText(0).str(), L"10086");
  EXPECT_EQ(rows->GetItemText4(0).str(), L"42秒");
}

// The program itself, headless on a new device root.
class TelhubProgram : public ::testing::Test {
 protected:
  int Run(const std::string& root, std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root, "--headless"});
    return vorna::test::RunProgram(vorna::test::BuiltProgramsDir() / "telhub", args);
  }
  // A script file of the text.
  std::string Script(const char* text) {
    std::filesystem::path file = root_.path() / "script.txt";
    std::ofstream(file) << text;
    return file.string();
  }
  vorna::test::TempDeviceRoot root_;
  const std::string root = root_.path().string(), shots = (root_.path() / "shots").string();
};

// The tour of the README, replayed on a new device, calls a seeded contact.
TEST_F(TelhubProgram, ReplaysTheTourAndLogsItsCall) {
  std::filesystem::create_directories(shots);
  const std::string tour = (std::filesystem::path(TELHUB_SOURCE_DIR) / "tour.txt").string();
  ASSERT_EQ(Run(root, {"--script", tour, "--shots", shots}), 0);
  for (const char* shot : {"1-dialer.png", "2-number-owner.png", "3-in-call.png", "4-after-call.png"})
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(shots) / shot)) << shot;

  qzu::string name;
  std::wstring number(SeededNumber(&name).view());
  qzu::string logged, owner;
  int time = 0, value = 0, type = 0, contact = 0;
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->GetCallHistory(1, logged, time, value, type, owner, contact, true));
  EXPECT_EQ(std::wstring(logged.view()), number);
  EXPECT_EQ(type, 1);
  EXPECT_EQ(value, 42);
  EXPECT_EQ(std::wstring(owner.view()), std::wstring(name.view()));

  // A script it cannot read replays nothing and says where it broke.
  EXPECT_EQ(Run(root, {"--script", Script("tap 1 2\nfly\n")}), 1);
}

// A step that opens a dialog hands the rest of the script to the dialog.
TEST_F(TelhubProgram, CarriesTheScriptIntoDialogsAndFailsWhenOneIsLeftWaiting) {
  // Holding "1" without a voice-mail number asks for it.
  EXPECT_EQ(Run(root, {"--no-demo", "--script", Script("hold 89 286 600\n"), "--shots", shots}), 1);
  const char* answered = "hold 89 286 600\ntype 12599\ntap 420 762\ntap 420 765\nshot after.png\n";
  EXPECT_EQ(Run(root, {"--no-demo", "--script", Script(answered), "--shots", shots}), 0);
  EXPECT_TRUE(std::filesystem::exists(root_.path() / "shots" / "after.png"));
  int flag = 0;
  qzu::string name, number;
  ASSERT_TRUE(PhoneSettingsDbIf::GetPhoneSettingsDbIf()->GetSpeedDialItem(1, flag, name, number));
  EXPECT_EQ(std::wstring(number.view()), L"12599");
}

TEST_F(TelhubProgram, RefusesAnEmptyRootAndAFolderAsScript) {
  EXPECT_EQ(Run("", {"--script", Script("wait 10\n")}), 2);
  EXPECT_EQ(Run(root, {"--no-demo", "--script", root}), 2);
}

}  // namespace
