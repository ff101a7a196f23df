// UiButton and UiButtonEx through the robot: the click command on release,
// the pressed state, locked states, check buttons and the notifications.
#include "window_fixture.h"
#include "qzfc/UiButtonEx.h"

namespace qzfc::test {
namespace {

class ButtonTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    button.SetID(7);
    button.SetPos(40, 100, 200, 60);
    button.SetText(L"复制");
    Add(button);
  }
  UiButton button;
};

TEST_F(ButtonTest, ATapPostsOneCommandWithThePointOnReleaseUnlessTheFingerSlidesOffAndADoubleTapCode5) {
  robot.Press(100, 120 + top);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_PRESSED);
  EXPECT_TRUE(TakeCommands().empty());
  robot.Release(100, 120 + top);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);
  EXPECT_EQ(TakeCommands(), (Commands{{7, MAKELPARAM(100, 120)}}));

  // Sliding off releases the press; lifted elsewhere, no command.
  robot.Advance(1000);
  robot.Press(100, 120 + top);
  robot.MoveTo(300, 120 + top);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);
  robot.MoveTo(110, 125 + top);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_PRESSED);
  robot.MoveTo(300, 400 + top);
  robot.Release(300, 400 + top);
  EXPECT_TRUE(TakeCommands().empty());
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);

  // A double tap reports code 5 on the second release.
  robot.Advance(1000);
  robot.DoubleTap(100, 120 + top);
  EXPECT_EQ(TakeCommands(), (Commands{{7, MAKELPARAM(100, 120)}, {MAKEWPARAM(7, 5), MAKELPARAM(100, 120)}}));
}

TEST_F(ButtonTest, LockedAndCheckStatesAndADisabledButton) {
  button.SetState(UIBUTTON_STATE_PRESSED, TRUE);
  EXPECT_TRUE(button.IsStateLocked());
  Tap(100, 120);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_PRESSED);
  EXPECT_EQ(TakeCommands().size(), 1u);  // still a button: the tap counts
  button.SetState(UIBUTTON_STATE_NORMAL);
  EXPECT_FALSE(button.IsStateLocked());
  robot.Press(100, 120 + top);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_PRESSED);
  // The dial pad forces a held key back to normal while the finger is down.
  button.ReleaseCapture();
  button.SetState(UIBUTTON_STATE_NORMAL);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);
  robot.Release(100, 120 + top);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);
  // Disabled, it takes no touch at all.
  TakeCommands();
  button.SetEnabled(FALSE);
  Tap(100, 120);
  EXPECT_TRUE(TakeCommands().empty());
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);

  // A check button turns on and off with each tap.
  button.SetEnabled(TRUE);
  button.SetButtonType(UIBUTTON_TYPE_CHECK);
  Tap(100, 120);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_PRESSED);
  EXPECT_TRUE(button.IsStateLocked());
  Tap(100, 120);
  EXPECT_EQ(button.GetState(), UIBUTTON_STATE_NORMAL);
  EXPECT_FALSE(button.IsStateLocked());
  EXPECT_EQ(TakeCommands().size(), 2u);
  button.SetButtonType(42);  // unknown types are plain text buttons
  EXPECT_EQ(button.GetButtonType(), UIBUTTON_TYPE_TEXT);
}

// The press and release notifications (0xFFF10002) follow the notification
// setting; the command does not.
TEST_F(ButtonTest, PressNotificationsOnlyWithNotificationsOn) {
  Tap(100, 120);
  EXPECT_EQ(wnd.Names(), (std::vector<std::string>{"command"}));
  wnd.events.clear();
  button.EnableNotifyMessage(TRUE);
  Tap(100, 120);
  std::vector<WPARAM> codes;
  for (auto [w, l] : wnd.Params("button")) codes.push_back(w);
  EXPECT_EQ(codes, (std::vector<WPARAM>{MAKEWPARAM(7, QZ_BN_PRESSED), MAKEWPARAM(7, QZ_BN_RELEASED)}));
}

TEST_F(ControlsTest, ButtonExCutsItsTextAndColoursItWhilePressed) {
  UiButtonEx count;
  count.SetID(103);
  count.SetPos(0, 0, 480, 64);
  count.SetText(L"128 联系人");
  count.SetTextColor(RGB(0, 0, 0));
  count.SetPressedTextColor(0x643200);
  count.SetTextOffset(60);
  Add(count);
  EXPECT_EQ(count.GetDisplayText(), L"128 联系人");
  count.SetTextMaxLength(3);
  EXPECT_EQ(count.GetDisplayText(), L"128\u2026");
  count.SetTextMaxLength(0);

  auto inkOf = [&](uint32_t colour) { return Ink(RECT{60, 10, 300, 54}, colour); };
  EXPECT_GT(inkOf(0x000000), 20);
  robot.Press(200, 30 + top);
  EXPECT_GT(inkOf(0x003264), 20) << "pressed text colour 0x643200";
  EXPECT_EQ(inkOf(0x000000), 0);
  robot.Release(200, 30 + top);
  EXPECT_EQ(TakeCommands(), (Commands{{103, MAKELPARAM(200, 30)}}));
}

}  // namespace
}  // namespace qzfc::test
