// The bottom tool bar through the robot: which presses reach the window's
// OnQzCommand, under which id and with which button index.
#include "controls_fixture.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/UiToolBarPro.h"

namespace qzfc::test {
namespace {

class ToolBarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    barTop = wnd.GetHeight() - UiToolBarPro::kHeight;
    bar.SetID(4);
    bar.SetPos(0, barTop, 480, UiToolBarPro::kHeight);
    bar.SetButton(0, TRUE, TRUE, L"未接");
    bar.SetButton(1, TRUE, TRUE, L"清空");
    for (int i = 3; i <= 5; ++i) bar.SetIconButton(i, TRUE, TRUE, nullptr, nullptr, nullptr);
    Add(bar);
  }
  void TapButton(int index) {
    RECT rc = bar.GetButtonRect(index);
    Tap((rc.left + rc.right) / 2, barTop + 35);
  }
  UiToolBarPro bar;
  int barTop = 0;
};

// Windows never switch notifications on for their tool bars.
TEST_F(ToolBarTest, EveryShownEnabledButtonPostsItsIndexUnderTheBarsId) {
  ASSERT_FALSE(bar.IsNotifyMessageEnabled());
  for (int index : {0, 1, 3, 4, 5}) {
    TapButton(index);
    EXPECT_EQ(TakeCommands(), (Commands{{4, index}})) << "button " << index;
  }
  bar.SetMiddleButton(TRUE, TRUE, L"全选");
  TapButton(2);
  EXPECT_EQ(TakeCommands(), (Commands{{4, 2}}));
}

TEST_F(ToolBarTest, HiddenDisabledAndEmptyPlacesPostNothing) {
  bar.EnableButton(1, FALSE);
  bar.SetButton(0, FALSE, FALSE, L"");
  bar.SetIconButton(5, TRUE, FALSE, nullptr, nullptr, nullptr);
  TapButton(0);
  TapButton(1);
  TapButton(5);
  TapButton(2);  // the middle button was never set: the icon row lies there
  EXPECT_EQ(TakeCommands(), (Commands{{4, 4}}));
  Tap(240, barTop - 20);  // above the bar
  EXPECT_TRUE(TakeCommands().empty());

  // Enabling again keeps the text; the whole bar disabled takes nothing.
  bar.EnableButton(1, TRUE);
  EXPECT_STREQ(bar.GetButtonText(1), L"清空");
  TapButton(1);
  EXPECT_EQ(TakeCommands(), (Commands{{4, 1}}));
  bar.SetEnabled(FALSE);
  TapButton(1);
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(ToolBarTest, APressCountsOnlyWhenLiftedOnTheSameButton) {
  RECT left = bar.GetButtonRect(0), icon = bar.GetButtonRect(3);
  int y = barTop + 35 + top;
  robot.Press(left.left + 20, y);
  EXPECT_EQ(bar.GetPressedButton(), 0);
  robot.MoveTo(icon.left + 20, y);
  EXPECT_EQ(bar.GetPressedButton(), TOOLBAR_BUTTON_NONE);
  robot.Release(icon.left + 20, y);
  EXPECT_TRUE(TakeCommands().empty());

  // Sliding off and back onto the button still taps it.
  robot.Press(left.left + 20, y);
  robot.MoveTo(icon.left + 20, y);
  robot.MoveTo(left.left + 30, y);
  EXPECT_EQ(bar.GetPressedButton(), 0);
  robot.Release(left.left + 30, y);
  EXPECT_EQ(TakeCommands(), (Commands{{4, 0}}));
  EXPECT_EQ(bar.GetPressedButton(), TOOLBAR_BUTTON_NONE);
}

TEST_F(ToolBarTest, ButtonSettingsAndTheTabHighlight) {
  bar.SetMiddleButtonHighLight(4);
  bar.SetMiddleButtonHighLight(1);  // not a tab: clears the mark
  EXPECT_EQ(bar.GetMiddleButtonHighLight(), TOOLBAR_BUTTON_NONE);
  bar.SetButton(1, FALSE, FALSE, L"");
  bar.SetSeparatorLine(1, FALSE);
  EXPECT_TRUE(bar.IsSeparatorLineShown(0)) << "each button has its own line";
  // Out-of-range indexes, and icons for a text button, change nothing.
  bar.SetButton(6, TRUE, TRUE, L"x");
  bar.EnableButton(-1, TRUE);
  bar.SetIconButton(1, TRUE, TRUE, nullptr, nullptr, nullptr);
  EXPECT_FALSE(bar.IsButtonVisible(6));
  EXPECT_FALSE(bar.IsButtonVisible(1));
  EXPECT_STREQ(bar.GetButtonText(1), L"");
}

TEST_F(ToolBarTest, PaintsTextsAndTheHighlightedTab) {
  bar.SetMiddleButtonHighLight(3);
  wnd.Invalidate(nullptr);
  RECT tab = bar.GetButtonRect(3), other = bar.GetButtonRect(5), left = bar.GetButtonRect(0);
  int y = barTop + 66;  // the accent line under the current tab
  EXPECT_NE(At((tab.left + tab.right) / 2, y), At((other.left + other.right) / 2, y));
  EXPECT_GT(Ink(RECT{left.left, barTop + 20, left.right, barTop + 50}, 0x1F2933), 30) << "the dark text of button 0";
}

}  // namespace
}  // namespace qzfc::test
