// The repeats of a held key, timed on the virtual clock. (Acting on press
// and on release is seen through the dial window's own tests.)
#include <gtest/gtest.h>

#include <vector>

#include "dialer/DialPadButton.h"
#include "platform/ToolkitContract.h"
#include "qzfc/Clock.h"
#include "qzfc/Robot.h"
#include "temp_root.h"

namespace {

constexpr int kTop = 80;  // the work area's top on the screen

class KeyWnd : public CQzWndEx {
 public:
  LRESULT OnQzCommand(WPARAM, LPARAM) override {
    times.push_back(qzfc::Clock::Now());
    return 0;
  }
  std::vector<DWORD> times;
};

class DialPadButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0));
    wnd.Show(TRUE);
    key.SetID(526);
    key.SetPos(100, 100, 152, 87);
    key.EnablePressedHoldSupport(TRUE);
    wnd.AddUiWin(&key);
    robot.Settle();
  }
  void Press() { robot.Press(150, kTop + 140); }
  void Release() { robot.Release(150, kTop + 140); }
  // Command times relative to the press.
  std::vector<DWORD> Since(DWORD start) const {
    std::vector<DWORD> out;
    for (DWORD t : wnd.times) out.push_back(t - start);
    return out;
  }

  vorna::test::TempDeviceRoot root;
  qzfc::Robot robot;
  KeyWnd wnd;
  DialPadButton key;
};

TEST_F(DialPadButtonTest, AutoRepeatSpeedsUpWhileHeldAndStopsOnRelease) {
  key.SetActOnPress(true);
  key.SetAutoRepeat(true);
  DWORD start = qzfc::Clock::Now();
  Press();
  robot.Advance(1110);
  EXPECT_EQ(Since(start), (std::vector<DWORD>{0, 500, 700, 900, 1000, 1050, 1075, 1087, 1099}));
  Release();
  robot.Advance(1000);
  EXPECT_EQ(wnd.times.size(), 9u) << "lifting stops the repeats at once";

  // The period belongs to the key: a later hold repeats at the period reached.
  robot.Advance(1000);
  wnd.times.clear();
  start = qzfc::Clock::Now();
  Press();
  robot.Advance(530);
  Release();
  EXPECT_EQ(Since(start), (std::vector<DWORD>{0, 500, 512, 524}));
  EXPECT_EQ(key.GetRepeatPeriod(), 12);
}

}  // namespace
