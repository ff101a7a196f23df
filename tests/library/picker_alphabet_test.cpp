// The picker's alphabet bar and task-bar scroll: shown only for lists longer
// than the screen, jumps that skip the group rows and stop one row before
// the end, and a tap on the task bar that brings the list back to the top.
#include "picker_fixture.h"

namespace picker_test {
namespace {

class PickerAlphabetTest : public PickerTest {
 protected:
  // Contacts named after their letter: "A00", "A01", ..., each with a number.
  void AddNames(wchar_t letter, int count, std::initializer_list<qzu::string> groups = {}) {
    for (int i = 0; i < count; ++i) {
      std::wstring name = std::wstring(1, letter) + (i < 10 ? L"0" : L"") + std::to_wstring(i);
      AddContact(name.c_str(), {{L"13900000000", 0}}, groups);
    }
  }
  void TapLetter(wchar_t letter) {
    UiAlphabetBar& bar = AlphabetBar();
    for (int y = bar.GetTop(); y < bar.GetTop() + bar.GetHeight(); ++y)
      if (bar.LetterFromY(y) == letter - L'A') {
        robot.Tap(bar.GetLeft() + 25, kScreenTop + y + 4);
        robot.Advance(300);
        return;
      }
    ADD_FAILURE() << "no place on the bar for " << static_cast<char>(letter);
  }
};

TEST_F(PickerAlphabetTest, LettersJumpToTheirFirstRowAndTheEndStopsOneRowShort) {
  AddNames(L'A', 9);  // 9 x 82 = 738: the bar shows
  AddNames(L'C', 12);
  AddNames(L'M', 3);
  Run(SELECT_ONE_CONTACT, [&] {
    ASSERT_TRUE(AlphabetBar().IsVisible());
    TapLetter(L'C');
    EXPECT_EQ(List().GetTopPos(), -9 * 82);
    TapLetter(L'B');
    EXPECT_EQ(List().GetTopPos(), -9 * 82) << "a letter without rows goes to the next letter's";
    TapLetter(L'A');
    EXPECT_EQ(List().GetTopPos(), 0);
    // M starts at row 21 of 24; the list stops where it can: its last
    // page (the map's one-row margin is kept within the content).
    TapLetter(L'M');
    EXPECT_EQ(List().GetTopPos(), List().GetHeight() - 24 * 82);
    // A tap on the task bar scrolls back to the top.
    robot.TapShellBar();
    robot.Advance(1000);
    EXPECT_EQ(List().GetTopPos(), 0);
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
}

TEST_F(PickerAlphabetTest, GroupRowsAreNeverALettersRowAndTheGroupViewHasItsOwnMap) {
  AddNames(L'B', 8, {L"Team"});
  AddNames(L'D', 12);
  Run(SELECT_PHONE_NUMBERS, [&] {
    // Two group rows (Team, ungrouped) above the numbers.
    TapLetter(L'A');
    EXPECT_EQ(List().GetTopPos(), -2 * 82);
    TapLetter(L'D');
    EXPECT_EQ(List().GetTopPos(), -10 * 82);
    // Team's eight rows (656 pixels) fit on the screen: no bar in its group view.
    robot.TapShellBar();
    robot.Advance(1000);
    TapRow(0);
    EXPECT_FALSE(AlphabetBar().IsVisible());
    TapToolBar(TOOLBAR_BUTTON_LEFT);
    EXPECT_TRUE(AlphabetBar().IsVisible());
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
}

}  // namespace
}  // namespace picker_test
