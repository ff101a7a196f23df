// Touch and keys: hit testing, capture, press-and-hold, double-click, the
// moved flag, focus and WM_CHAR, and the notifications controls send.
#include <gtest/gtest.h>

#include "qzfc/UiList.h"
#include "qzfc/UiScrollWin.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

class InputTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    // Two controls in the window (client coordinates; the window starts at y = 80).
    a.SetID(11);
    a.SetPos(0, 0, 240, 100);
    b.SetID(12);
    b.SetPos(240, 0, 240, 100);
    for (RecordingControl* c : {&a, &b}) {
      c->EnableNotifyMessage(TRUE);
      wnd.AddUiWin(c);
    }
  }
  RecordingControl a, b;
};

TEST_F(InputTest, TouchesGoToTheVisibleEnabledControlUnderTheFinger) {
  robot.Tap(100, 130);  // screen y 130 = client y 50
  robot.Tap(300, 130);
  robot.Tap(300, 500);  // no control there
  EXPECT_EQ(a.log, (std::vector<std::string>{"down", "up"}));
  EXPECT_EQ(b.log, (std::vector<std::string>{"down", "up"}));
  a.log.clear();
  b.log.clear();

  // Hidden and disabled controls are not hit.
  RecordingControl top;
  top.SetPos(0, 0, 480, 100);  // over both, added last: on top
  wnd.AddUiWin(&top);
  robot.Tap(100, 130);
  EXPECT_EQ(top.log.size(), 2u);
  top.SetVisible(FALSE);
  robot.Tap(100, 130);
  b.SetEnabled(FALSE);
  robot.Tap(300, 130);
  EXPECT_EQ(top.log.size(), 2u);
  EXPECT_EQ(a.log.size(), 2u);
  EXPECT_TRUE(b.log.empty());
}

TEST_F(InputTest, CaptureKeepsTheTouchUntilReleased) {
  robot.Press(100, 130);
  // Within the slop a finger has not moved.
  robot.MoveTo(100 + UiWin::kMoveSlop, 130 - UiWin::kMoveSlop);
  EXPECT_FALSE(a.IsMouseMoved());
  robot.MoveTo(100 + UiWin::kMoveSlop + 1, 130);
  EXPECT_TRUE(a.IsMouseMoved());
  EXPECT_TRUE(a.HasCapture());
  EXPECT_TRUE(a.IsLButtonDown());
  robot.MoveTo(400, 130);  // over b, but a holds the capture
  robot.Release(400, 130);
  EXPECT_EQ(a.log, (std::vector<std::string>{"down", "move", "move", "move", "up-moved"}));
  EXPECT_TRUE(b.log.empty());
  EXPECT_FALSE(a.HasCapture());
  EXPECT_FALSE(a.IsLButtonDown());
  EXPECT_TRUE(a.IsMouseMoved());

  // Released early, the release goes to the control under the finger.
  a.log.clear();
  robot.Advance(1000);  // not a double-click
  robot.Press(100, 130);
  a.ReleaseCapture();
  robot.Release(400, 130);
  EXPECT_EQ(a.log, (std::vector<std::string>{"down"}));
  EXPECT_EQ(b.log, (std::vector<std::string>{"up"}));
}

TEST_F(InputTest, PressAndHoldFiresAt500msWithCode6AndNotificationsNeedTheSetting) {
  a.EnablePressedHoldSupport(TRUE, 500);
  robot.Hold(100, 130, 499);
  EXPECT_EQ(a.log, (std::vector<std::string>{"down"}));
  robot.Advance(1);
  EXPECT_EQ(a.log, (std::vector<std::string>{"down", "hold"}));
  robot.Release(100, 130);
  EXPECT_EQ(wnd.Params("button"), (Commands{{MAKEWPARAM(11, QZ_BN_PRESSED), 0},
                                            {MAKEWPARAM(11, QZ_BN_HELD), 0},
                                            {MAKEWPARAM(11, QZ_BN_RELEASED), 0}}));

  // Lifted early, moved away, or without hold support: no hold.
  a.log.clear();
  robot.Advance(1000);
  robot.Hold(100, 130, 300);
  robot.Release(100, 130);
  robot.Advance(1000);
  robot.Hold(100, 130, 100);
  robot.MoveTo(150, 130);
  robot.Advance(1000);
  robot.Release(150, 130);
  robot.Hold(300, 130, 2000);
  robot.Release(300, 130);
  for (auto& entry : a.log) EXPECT_NE(entry, "hold");
  EXPECT_EQ(b.log, (std::vector<std::string>{"down", "up"}));

  // Commands reach OnQzCommand only with notifications on.
  EXPECT_TRUE(a.PostCommandMessage(11, 5, MAKELPARAM(3, 4)));
  robot.Settle();
  a.EnableNotifyMessage(FALSE);
  EXPECT_FALSE(a.PostCommandMessage(11, 0, 0));
  robot.Settle();
  EXPECT_EQ(TakeCommands(), (Commands{{MAKEWPARAM(11, 5), MAKELPARAM(3, 4)}}));
}

TEST_F(InputTest, QuickSecondPressIsADoubleClick) {
  robot.Tap(100, 130);
  robot.Advance(200);
  robot.Press(105, 135);
  EXPECT_TRUE(a.IsLButtonDblClk());
  robot.Release(105, 135);
  robot.Advance(200);
  robot.Press(100, 130);  // a third press starts over
  EXPECT_FALSE(a.IsLButtonDblClk());
  robot.Release(100, 130);
  robot.Advance(400);  // too late for a double-click
  robot.Tap(100, 130);
  EXPECT_EQ(a.log, (std::vector<std::string>{"down", "up", "dblclk", "up", "down", "up", "down", "up"}));
  // Far apart is not a double-click either.
  a.log.clear();
  robot.Tap(10, 130);
  robot.Advance(100);
  robot.Tap(200, 130);
  EXPECT_EQ(a.log, (std::vector<std::string>{"down", "up", "down", "up"}));
}

TEST_F(InputTest, QuickSecondPressOnAnotherControlIsAPlainPress) {
  // Both presses land within the double-click distance, on either side of
  // the border between the two controls.
  robot.Tap(235, 130);
  robot.Advance(100);
  robot.Tap(245, 130);
  EXPECT_EQ(b.log, (std::vector<std::string>{"down", "up"}));
  EXPECT_FALSE(b.IsLButtonDblClk());

  // The same between two children of a scroll page.
  UiScrollWin page;
  RecordingControl upper, lower;
  upper.SetPos(0, 200, 480, 50);
  lower.SetPos(0, 250, 480, 50);
  page.SetPos(0, 200, 480, 100);
  page.AddChild(&upper);
  page.AddChild(&lower);
  wnd.AddUiWin(&page);
  robot.Advance(1000);
  robot.Tap(100, 80 + 245);
  robot.Advance(100);
  robot.Tap(100, 80 + 255);
  EXPECT_EQ(lower.log, (std::vector<std::string>{"down", "up"}));
}

TEST_F(InputTest, CharactersGoToTheFocusedControl) {
  robot.Type(L"12");
  EXPECT_TRUE(a.typed.empty());
  a.SetFocus(TRUE);
  robot.Type(L"34");
  b.SetFocus(TRUE);
  EXPECT_FALSE(a.HasFocus());
  robot.Char(8);
  wnd.SendMessageW(WM_CHAR, L'+', 0);  // sent to the window, passed to the focus
  EXPECT_EQ(a.typed, L"34");
  EXPECT_EQ(b.typed, L"\b+");
  b.SetFocus(FALSE);
  robot.Type(L"5");
  EXPECT_EQ(b.typed, L"\b+");
}

// A list that records its timers, as lists that animate a deleted row do.
struct TimedList : UiList {
  LRESULT OnTimer(UINT_PTR id) override {
    timers.push_back(id);
    return 0;
  }
  std::vector<UINT_PTR> timers;
};

TEST_F(InputTest, WindowTimersReachTheControlTheyAreAddressedTo) {
  TimedList list;
  list.SetID(20);
  list.SetPos(0, 100, 480, 200);
  wnd.AddUiWin(&list);
  UiScrollWin page;
  RecordingControl child;
  child.SetID(31);
  child.SetPos(0, 0, 100, 50);
  page.SetPos(0, 300, 480, 200);
  page.AddChild(&child);
  wnd.AddUiWin(&page);
  TimedList pageList;  // a list on a scroll page
  pageList.SetID(32);
  pageList.SetPos(0, 60, 480, 100);
  page.AddChild(&pageList);

  const UINT_PTR ids[] = {12, 20, list.GetCollapseTimerId(), 31, pageList.GetCollapseTimerId(), 99,
                          0x10070000 + 12};
  for (UINT_PTR id : ids) {
    ::SetTimer(wnd.GetHwnd(), id, 50, nullptr);
    robot.Advance(50);
    ::KillTimer(wnd.GetHwnd(), id);
  }
  EXPECT_EQ(b.log, (std::vector<std::string>{"timer"})) << "only its own id: it is no list";
  EXPECT_TRUE(a.log.empty());
  EXPECT_EQ(list.timers, (std::vector<UINT_PTR>{20, 0x10070000 + 20}));
  EXPECT_EQ(child.log, (std::vector<std::string>{"timer"}));
  EXPECT_EQ(pageList.timers, (std::vector<UINT_PTR>{0x10070000 + 32}));
  EXPECT_EQ(wnd.GetUiWin(31), &child) << "children of a scroll page are found by id";
  EXPECT_EQ(wnd.GetUiWin(32), &pageList);
  EXPECT_EQ(wnd.GetUiWin(99), nullptr);
}

TEST_F(InputTest, ModalWindowOpenedDuringAPressGetsTheRelease) {
  RecordingWnd popup;
  ASSERT_TRUE(popup.Create(0, 80, 480, 720, wnd.GetHwnd(), 0, WS_POPUP));
  RecordingControl inPopup;
  inPopup.SetPos(0, 0, 480, 720);
  popup.AddUiWin(&inPopup);
  int result = -1;
  robot.WhenModalWaits([&] {
    robot.Release(100, 130);
    popup.EndModal(3);
  });
  // The long press opens the popup, as a details list's hold opens the copy bubble.
  struct Opener : RecordingControl {
    CQzWnd* popup;
    int* result;
    void OnPressedHoldTimeup() override { *result = popup->DoModal(FALSE); }
  } opener;
  opener.popup = &popup;
  opener.result = &result;
  opener.SetPos(0, 200, 480, 100);
  opener.EnablePressedHoldSupport(TRUE, 500);
  wnd.AddUiWin(&opener);
  robot.Hold(100, 330, 500);
  EXPECT_EQ(result, 3);
  EXPECT_EQ(inPopup.log, (std::vector<std::string>{"up"}));
  EXPECT_EQ(opener.log, (std::vector<std::string>{"down"}));
}

}  // namespace
}  // namespace qzfc::test
