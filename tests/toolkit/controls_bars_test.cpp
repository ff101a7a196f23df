// The slide bar and the alphabet bar through the robot: taps and slides,
// and the commands they post.
#include "controls_fixture.h"
#include "qzfc/UiAlphabetBar.h"
#include "qzfc/UiSlideBar.h"

namespace qzfc::test {
namespace {

class SlideBarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar.SetID(7);
    bar.SetPos(0, 0, 480, 68);
    bar.SetButtonCount(3);
    bar.SetButtonText(0, L"家庭");
    bar.SetButtonText(1, L"工作");
    bar.SetButtonText(2, L"其它");
    Add(bar);
  }
  // The centre of button i of three over 460 inner pixels.
  static int X(int i) { return 10 + 460 * i / 3 + 76; }
  UiSlideBar bar;
};

TEST_F(SlideBarTest, TappingAnotherButtonHighlightsItAndPostsItsIndex) {
  EXPECT_EQ(bar.GetHighLightButton(), 0);
  Tap(X(2), 34);
  EXPECT_EQ(bar.GetHighLightButton(), 2);
  EXPECT_EQ(TakeCommands(), (Commands{{7, 2}}));
  Tap(X(2), 34);  // no change, no command
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(SlideBarTest, SlidingPostsOnceForWhereTheFingerIsLifted) {
  Drag(X(0), 34, X(1), 34);
  EXPECT_EQ(TakeCommands(), (Commands{{7, 1}}));
  // Back to where it began: nothing changed.
  Drag(X(1), 34, X(2), 34);
  TakeCommands();
  robot.Press(X(2), 34 + top);
  robot.MoveTo(X(0), 34 + top);
  EXPECT_EQ(bar.GetHighLightButton(), 0);
  robot.MoveTo(X(2), 300 + top);  // far below the bar the finger still chooses by x
  robot.Release(X(2), 300 + top);
  EXPECT_EQ(bar.GetHighLightButton(), 2);
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

class AlphabetBarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar.SetID(105);
    bar.SetPos(430, 74, 50, 520);  // 20 pixels a letter
    Add(bar);
  }
  UiAlphabetBar bar;
};

TEST_F(AlphabetBarTest, ATouchChoosesTheLetterUnderTheFinger) {
  EXPECT_EQ(bar.GetCurLetter(), nullptr);
  Tap(455, 74 + 5);
  ASSERT_NE(bar.GetCurLetter(), nullptr);
  EXPECT_STREQ(bar.GetCurLetter(), L"A");
  EXPECT_EQ(TakeCommands(), (Commands{{105, 0}}));
  Tap(455, 74 + 2 * 20 + 10);
  EXPECT_STREQ(bar.GetCurLetter(), L"C");
  Tap(455, 74 + 519);
  EXPECT_STREQ(bar.GetCurLetter(), L"Z");
  EXPECT_EQ(TakeCommands(), (Commands{{105, 2}, {105, 25}}));
}

// The window reads GetCurLetter when the command arrives, after the finger
// may have moved on: each new letter posts once, and the last one stays.
TEST_F(AlphabetBarTest, SlidingPostsEachNewLetterOnceAndStopsAtTheEnds) {
  robot.Press(455, 74 + 10 + top);
  robot.MoveTo(455, 74 + 12 + top);  // same letter
  robot.MoveTo(455, 74 + 30 + top);  // B
  robot.MoveTo(455, 74 + 70 + top);  // D (C skipped by the finger)
  robot.MoveTo(455, 74 + 900 + top);  // far below: Z
  robot.MoveTo(455, 74 + 950 + top);
  robot.Release(455, 74 + 950 + top);
  EXPECT_EQ(TakeCommands(), (Commands{{105, 0}, {105, 1}, {105, 3}, {105, 25}}));
  EXPECT_STREQ(bar.GetCurLetter(), L"Z");
  EXPECT_EQ(bar.LetterFromY(-100), 0);
}

}  // namespace
}  // namespace qzfc::test
