// The single-line edit: typing, backspace and the caret, the character
// limit, paste and clear, Enter, focus switching and the change notices.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "../ce/test_helpers.h"
#include "qzfc/FontHelper.h"
#include "qzfc/UiEdit.h"
#include "qzfc/UiScrollWin.h"
#include "qzfc/UiSearchBox.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

class EditTest : public TwoFieldsTest {
 protected:
  void SetUp() override {
    TwoFieldsTest::SetUp();
    fields[0].SetFocus(TRUE);
  }
};

TEST_F(EditTest, TypingAndBackspaceChangeTheTextAndNotify) {
  robot.Type(L"ab");
  robot.Char(8);
  robot.Type(L"c");
  EXPECT_STREQ(fields[0].GetText(), L"ac");
  EXPECT_EQ(fields[0].GetCursePos(), 2);
  EXPECT_EQ(wnd.changes, (std::vector<Change>{{2, 1, 'a'}, {2, 1, 'b'}, {2, 2, 0}, {2, 1, 'c'}}));
  // Backspace on nothing changes nothing and says nothing.
  robot.Type(L"\b\b\b");
  EXPECT_STREQ(fields[0].GetText(), L"");
  EXPECT_EQ(wnd.changes.size(), 6u);
  EXPECT_STREQ(fields[1].GetText(), L"");
}

TEST_F(EditTest, TheCharacterLimitHoldsForEveryWayIn) {
  fields[0].SetMaxChars(3);
  robot.Type(L"12345");
  EXPECT_STREQ(fields[0].GetText(), L"123");
  EXPECT_EQ(wnd.changes.size(), 3u);  // refused characters are not reported
  fields[0].SetText(L"abcdef");
  EXPECT_STREQ(fields[0].GetText(), L"abc");
  fields[0].SetText(L"a");
  ASSERT_TRUE(vorna::test::CopyText(L"xy\r\nzw"));
  robot.Char(22);  // Ctrl+V: the line break is dropped and the rest cut to fit
  EXPECT_STREQ(fields[0].GetText(), L"axy");
  EXPECT_EQ(wnd.changes.back(), (Change{2, 3, 0}));
  fields[1].SetText(L"long text");
  fields[1].SetMaxChars(4);
  EXPECT_STREQ(fields[1].GetText(), L"long");
}

TEST_F(EditTest, EnterAndEscapeAndControlCharacters) {
  fields[0].SetText(L"ab");
  robot.Char(13);
  robot.Char(10);
  robot.Char(9);     // a tab is not kept
  robot.Char(0x7F);  // nor DEL
  EXPECT_STREQ(fields[0].GetText(), L"ab");
  EXPECT_EQ(wnd.changes, (std::vector<Change>{{2, 1, 13}, {2, 1, 10}}));
  robot.Char(27);
  EXPECT_STREQ(fields[0].GetText(), L"");
  EXPECT_EQ(wnd.changes.back(), (Change{2, 6, 0}));
  robot.Char(27);  // already empty
  EXPECT_EQ(wnd.changes.size(), 3u);
  // Nothing to paste: no change.
  ASSERT_TRUE(vorna::test::CopyText(L""));
  robot.Char(22);
  EXPECT_EQ(wnd.changes.size(), 3u);
}

TEST_F(EditTest, FocusMovesByTapAndByEnterWithSwitching) {
  robot.Tap(100, 80 + 15 + 80 + 30);  // the second field
  EXPECT_TRUE(fields[1].HasFocus());
  robot.Type(L"x");
  EXPECT_STREQ(fields[1].GetText(), L"x");
  EXPECT_STREQ(fields[0].GetText(), L"");
  // Enter without switching keeps the focus.
  robot.Char(13);
  EXPECT_TRUE(fields[1].HasFocus());
  fields[0].EnableSwitchFocus(TRUE);
  fields[1].EnableSwitchFocus(TRUE);
  robot.Char(13);
  EXPECT_TRUE(fields[0].HasFocus());
  robot.Char(13);
  EXPECT_TRUE(fields[1].HasFocus());
  // A hidden field is skipped.
  fields[0].SetVisible(FALSE);
  robot.Char(13);
  EXPECT_TRUE(fields[1].HasFocus());

  // Fields on a scrolling page (as in the editor's dialogs) take their turn
  // where the page stands.
  fields[0].SetVisible(TRUE);
  UiSingleLineEdit paged[2];
  UiScrollWin page;
  page.SetPos(0, 400, 480, 200);
  wnd.AddUiWin(&page);
  for (int i = 0; i < 2; ++i) {
    paged[i].SetPos(0, i * 80, 480, 64);
    paged[i].EnableSwitchFocus(TRUE);
    page.AddChild(&paged[i]);
  }
  robot.Char(13);
  EXPECT_TRUE(paged[0].HasFocus());
  robot.Char(13);
  EXPECT_TRUE(paged[1].HasFocus());
  robot.Char(13);
  EXPECT_TRUE(fields[0].HasFocus()) << "after the last, back to the first";
  wnd.RemoveUiWin(&page);
}

TEST_F(EditTest, TextShrinksToFitBetweenItsSizes) {
  UiSingleLineEdit& dial = fields[0];
  dial.SetPos(0, 34, 480, 72);
  dial.SetMaxTextSize(54);
  dial.SetMinTextSize(26);
  dial.SetTextSize(54);
  dial.SetInvalidWidth(10, 10);
  dial.EnableAutoChangeFont(TRUE);
  dial.SetCenterDisplay(TRUE);
  dial.SetNoBackground(TRUE);
  dial.SetText(L"123");
  EXPECT_EQ(dial.GetDisplayTextSize(), 54);
  dial.SetText(L"1234567890123456");
  const int smaller = dial.GetDisplayTextSize();
  EXPECT_LT(smaller, 54);
  EXPECT_GE(smaller, 26);
  dial.SetText(L"12345678901234567890123456789012");
  EXPECT_EQ(dial.GetDisplayTextSize(), 26);  // never below the minimum
  dial.EnableAutoChangeFont(FALSE);
  EXPECT_EQ(dial.GetDisplayTextSize(), 54);
}

TEST_F(EditTest, TheCaretMovesByCallOrTapAndDecidesWhereTypingGoes) {
  fields[0].SetText(L"5678");
  EXPECT_EQ(fields[0].GetCursePos(), 4);
  fields[0].SetCursePos(0);
  robot.Type(L"1");
  robot.Char(8);  // removes the 1 again, not the 8
  robot.Char(8);  // at the start: nothing
  fields[0].SetCursePos(2);
  robot.Char(8);  // the 6
  fields[0].SetCursePos(-1);
  robot.Type(L"9");
  EXPECT_STREQ(fields[0].GetText(), L"5789");
  fields[0].SetCursePos(99);
  EXPECT_EQ(fields[0].GetCursePos(), 4);

  // A tap puts the caret at the nearest character boundary.
  const int y = 80 + 15 + 32;
  for (auto [x, caret] : {std::pair{13, 0}, std::pair{460, 4}, std::pair{12 + 8 + 1, 0}}) {
    robot.Tap(x, y);
    EXPECT_EQ(fields[0].GetCursePos(), caret) << "tap at x " << x;
  }
  robot.Type(L"0");
  EXPECT_STREQ(fields[0].GetText(), L"05789");
  // A drag across the field is no tap: the caret stays.
  robot.Drag(20, y, 400, y);
  EXPECT_EQ(fields[0].GetCursePos(), 1);
}

class MultiLineEditTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Open(wnd);
    top = QzGetWorkArea().top;
    note.SetID(2);
    note.SetPos(20, 50, 440, 140);
    note.SetTextColor(0);
    wnd.AddUiWin(&note);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, FontHelper::GetFont(note.GetTextSize(), 400, 0, 0, 0, 0));
    RECT r{0, 0, 1000, 0};
    lineHeight = DrawTextW(dc, L"Ag", 2, &r, DT_SINGLELINE | DT_CALCRECT);
    DeleteDC(dc);
  }
  // Screen y of the middle of text line `line` (the text starts 6 pixels down).
  int LineY(int line) const { return top + 50 + 6 + line * lineHeight + lineHeight / 2; }
  // Whether the caret's colour shows on the row of text line `line`.
  bool CaretOnLine(int line) {
    robot.Settle();
    return ScreenInk(RECT{20, LineY(line), 460, LineY(line) + 1}, 0x0064C8, 10) > 0;
  }
  EditWnd wnd{0xFFF10063u};
  UiEdit note;
  int top = 0;
  int lineHeight = 0;
};

TEST_F(MultiLineEditTest, EnterStartsALineAndChangesComeAsTheirOwnMessage) {
  note.EnableInsideScroll(TRUE);
  note.SetText(L"a\r\nb");  // CR LF is one line break
  EXPECT_STREQ(note.GetText(), L"a\nb");
  note.SetFocus(TRUE);
  robot.Type(L"\rc");
  robot.Char(8);
  EXPECT_STREQ(note.GetText(), L"a\nb\n");
  EXPECT_EQ(wnd.changes, (std::vector<Change>{{2, 1, 13}, {2, 1, 'c'}, {2, 2, 0}}));
  robot.Settle();
  EXPECT_EQ(note.GetScrollOffset(), 0);
  // Text taller than the field scrolls so that the caret shows, at the end
  // or back at the top.
  robot.Type(L"1\r2\r3\r4\r5\r6\r7");
  robot.Settle();
  EXPECT_GT(note.GetScrollOffset(), 0);
  EXPECT_TRUE(CaretOnLine(128 / lineHeight - 1)) << "the last line ends the field";
  note.SetCursePos(0);
  robot.Settle();
  EXPECT_EQ(note.GetScrollOffset(), 0);
  EXPECT_TRUE(CaretOnLine(0));
  note.EnableInsideScroll(FALSE);
  note.SetCursePos(-1);
  robot.Settle();
  EXPECT_EQ(note.GetScrollOffset(), 0);
}

TEST_F(MultiLineEditTest, TheCaretGoesAnywhereTypingFollowsItAndWrappedLinesBreakAfterASpace) {
  note.SetText(L"first line\nsecond");
  note.SetFocus(TRUE);
  robot.Settle();
  EXPECT_TRUE(CaretOnLine(1));
  EXPECT_FALSE(CaretOnLine(0));
  note.SetCursePos(3);
  robot.Settle();
  EXPECT_TRUE(CaretOnLine(0)) << "drawn inside the text, not only at its end";
  EXPECT_FALSE(CaretOnLine(1));

  // Taps: the start of the second line, the end of the first, below the text.
  for (auto [x, line, caret] : {std::tuple{20, 1, 11}, std::tuple{455, 0, 10}, std::tuple{455, 3, 17}}) {
    robot.Tap(x, LineY(line));
    EXPECT_EQ(note.GetCursePos(), caret) << "tap at " << x << " on line " << line;
  }
  robot.Tap(20, LineY(1));
  robot.Type(L"X");
  EXPECT_STREQ(note.GetText(), L"first line\nXsecond");
  robot.Char(8);
  robot.Char(8);  // joins the lines
  EXPECT_STREQ(note.GetText(), L"first linesecond");
  EXPECT_EQ(note.GetCursePos(), 10);

  // Wider than the field: wraps after a space, or inside a long run.
  note.SetText(L"alpha beta gamma delta epsilon zeta eta theta");
  note.SetFocus(TRUE);
  note.SetCursePos(0);
  robot.Tap(20, LineY(1));
  const int wrapAt = note.GetCursePos();
  EXPECT_GT(wrapAt, 0);
  EXPECT_EQ(note.GetText()[wrapAt - 1], L' ') << "the second line starts after a space";
  note.SetText(std::wstring(60, L'汉').c_str());
  robot.Tap(20, LineY(1));
  EXPECT_GT(note.GetCursePos(), 0);
  EXPECT_LT(note.GetCursePos(), 60);
}

TEST_F(EditTest, GalleryShot) {
  UiSearchBox box;
  box.SetPos(0, 180, 480, 64);
  wnd.AddUiWin(&box);
  UiSingleLineEdit search;
  search.SetPos(60, 180, 400, 64);
  search.SetNoBackground(TRUE);
  search.SetTip(L"搜索");
  wnd.AddUiWin(&search);
  fields[0].SetText(L"张三 Zhang");
  fields[1].SetTip(L"电话号码");
  UiEdit note;
  note.SetPos(20, 270, 440, 140);
  note.SetText(L"备注：周一上午\n会议室 3");
  wnd.AddUiWin(&note);
  wnd.Invalidate();
  robot.Settle();
  SaveGalleryShot(robot, "input_edit");
}

}  // namespace
}  // namespace qzfc::test
