// The slide bar, the alphabet bar and the bottom tool bar through the robot:
// taps and slides, and the commands they post.
#include "window_fixture.h"
#include "qzfc/UiAlphabetBar.h"
#include "qzfc/UiSlideBar.h"
#include "qzfc/UiToolBarPro.h"

namespace qzfc::test {
namespace {

class SlideBarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar.SetID(7);
    bar.SetPos(0, 0, 480, 68);
    bar.SetButtonCount(3);
    const wchar_t* labels[] = {L"家庭", L"工作", L"其它"};
    for (int i = 0; i < 3; ++i) bar.SetButtonText(i, labels[i]);
    Add(bar);
  }
  // The centre of button i of three over 460 inner pixels.
  static int X(int i) { return 10 + 460 * i / 3 + 76; }
  UiSlideBar bar;
};

TEST_F(SlideBarTest, TapsAndSlidesPostOnceForTheButtonWhereTheFingerIsLifted) {
  EXPECT_EQ(bar.GetHighLightButton(), 0);
  Tap(X(2), 34);
  EXPECT_EQ(bar.GetHighLightButton(), 2);
  EXPECT_EQ(TakeCommands(), (Commands{{7, 2}}));
  Tap(X(2), 34);  // no change, no command
  EXPECT_TRUE(TakeCommands().empty());

  robot.Advance(1000);
  Drag(X(2), 34, X(1), 34);
  EXPECT_EQ(TakeCommands(), (Commands{{7, 1}}));
  // Back to where it began: nothing changed.
  robot.Press(X(1), 34 + top);
  robot.MoveTo(X(0), 34 + top);
  EXPECT_EQ(bar.GetHighLightButton(), 0);
  robot.MoveTo(X(1), 300 + top);  // far below the bar the finger still chooses by x
  robot.Release(X(1), 300 + top);
  EXPECT_EQ(bar.GetHighLightButton(), 1);
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(SlideBarTest, SettingsKeepTheHighlightOnAButton) {
  bar.SetHighLightButton(1);
  EXPECT_TRUE(TakeCommands().empty()) << "only the user's choice is reported";
  bar.SetHighLightButton(3);
  bar.SetHighLightButton(-1);
  EXPECT_EQ(bar.GetHighLightButton(), 1);
  bar.SetHighLightButton(2);
  bar.SetButtonCount(2);
  EXPECT_EQ(bar.GetHighLightButton(), 1);
  EXPECT_STREQ(bar.GetButtonText(1), L"工作");
  EXPECT_STREQ(bar.GetButtonText(2), L"");
  bar.SetButtonCount(1000);
  EXPECT_EQ(bar.GetButtonCount(), UiSlideBar::kMaxButtons);
  bar.SetButtonCount(0);
  EXPECT_EQ(bar.GetHighLightButton(), -1);
  Tap(240, 34);
  EXPECT_TRUE(TakeCommands().empty());
}

// The window reads GetCurLetter when the command arrives, after the finger
// may have moved on: each new letter posts once, and the last one stays.
TEST_F(ControlsTest, AlphabetBarPostsEachNewLetterUnderTheFingerOnceAndStopsAtTheEnds) {
  UiAlphabetBar bar;
  bar.SetID(105);
  bar.SetPos(430, 74, 50, 520);  // 20 pixels a letter
  Add(bar);
  EXPECT_EQ(bar.GetCurLetter(), nullptr);
  for (auto [y, letter] : {std::pair{5, L"A"}, std::pair{2 * 20 + 10, L"C"}, std::pair{519, L"Z"}}) {
    Tap(455, 74 + y);
    ASSERT_NE(bar.GetCurLetter(), nullptr);
    EXPECT_STREQ(bar.GetCurLetter(), letter);
  }
  EXPECT_EQ(TakeCommands(), (Commands{{105, 0}, {105, 2}, {105, 25}}));

  robot.Advance(1000);
  robot.Press(455, 74 + 10 + top);
  for (int y : {12, 30, 70, 900, 950}) robot.MoveTo(455, 74 + y + top);  // A, B, D (C skipped), Z, Z
  robot.Release(455, 74 + 950 + top);
  EXPECT_EQ(TakeCommands(), (Commands{{105, 0}, {105, 1}, {105, 3}, {105, 25}}));
  EXPECT_STREQ(bar.GetCurLetter(), L"Z");
  EXPECT_EQ(bar.LetterFromY(-100), 0);
}

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
  for (int index : {0, 1, 5, 2}) TapButton(index);
  EXPECT_EQ(TakeCommands(), (Commands{{4, 4}})) << "the middle button was never set: the icon row lies there";
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

TEST_F(ToolBarTest, SettingsStayInRangeAndTheTabHighlightPaints) {
  bar.SetMiddleButtonHighLight(4);
  bar.SetMiddleButtonHighLight(1);  // not a tab: clears the mark
  EXPECT_EQ(bar.GetMiddleButtonHighLight(), TOOLBAR_BUTTON_NONE);
  // Out-of-range indexes, and icons for a text button, change nothing.
  bar.SetButton(6, TRUE, TRUE, L"x");
  bar.EnableButton(-1, TRUE);
  bar.SetIconButton(1, TRUE, TRUE, nullptr, nullptr, nullptr);
  EXPECT_FALSE(bar.IsButtonVisible(6));
  EXPECT_STREQ(bar.GetButtonText(1), L"清空");
  bar.SetButton(1, FALSE, FALSE, L"");
  bar.SetSeparatorLine(1, FALSE);
  EXPECT_TRUE(bar.IsSeparatorLineShown(0)) << "each button has its own line";
  EXPECT_FALSE(bar.IsButtonVisible(1));

  bar.SetMiddleButtonHighLight(3);
  wnd.Invalidate(nullptr);
  RECT tab = bar.GetButtonRect(3), other = bar.GetButtonRect(5), left = bar.GetButtonRect(0);
  int y = barTop + 66;  // the accent line under the current tab
  EXPECT_NE(At((tab.left + tab.right) / 2, y), At((other.left + other.right) / 2, y));
  EXPECT_GT(Ink(RECT{left.left, barTop + 20, left.right, barTop + 50}, 0x1F2933), 30) << "the dark text of button 0";
}

}  // namespace
}  // namespace qzfc::test
