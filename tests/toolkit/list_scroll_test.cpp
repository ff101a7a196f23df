// UiList through the robot: row geometry, dragging, the pull beyond the top
// and its spring back, flinging on the virtual clock, ScrollTo modes, and the
// tap and hold notifications.
#include <gtest/gtest.h>

#include <tuple>

#include "list_rows.h"
#include "qzfc/UiList.h"

namespace qzfc::test {
namespace {

constexpr int kRows = 20;
constexpr int kMinTop = 650 - kRows * 82;  // -990

class ListScrollTest : public ListTest<UiList> {
 protected:
  void SetUp() override {
    ListTest::SetUp();
    for (int i = 0; i < kRows; ++i) list.AddItem((L"Item " + std::to_wstring(i)).c_str(), static_cast<DWORD>(i));
    robot.Settle();
  }
};

class TallFirstRow : public UiList {
 public:
  int CalcItemHeight(int index) override { return index == 0 ? 186 : 82; }
};

TEST_F(ListScrollTest, GeometryOfFixedVaryingAndCollapsingRows) {
  EXPECT_EQ(list.CalcContentHeight(), kRows * 82);
  // (x, y, row): below the list and beside it, no row.
  for (auto [x, y, row] : {std::tuple{10, 0, 0}, {10, 81, 0}, {10, 82, 1}, {10, kListHeight, -1}, {500, 10, -1}})
    EXPECT_EQ(list.CalcIndexOfPos(x, y), row) << x << ", " << y;
  list.SetTopPos(-100);
  EXPECT_EQ(list.CalcIndexOfPos(10, 0), 1);
  EXPECT_EQ(list.CalcItemTopPos(0), -100);
  EXPECT_EQ(list.CalcItemTopPos(3), 146);
  EXPECT_EQ(list.GetItem(3)->data, 3u);
  EXPECT_EQ(list.GetItem(kRows), nullptr);

  // Kept within the content.
  list.SetTopPos(-5000);
  EXPECT_EQ(list.GetTopPos(), kMinTop);
  list.SetTopPos(40);
  EXPECT_EQ(list.GetTopPos(), 0);

  TallFirstRow tall;
  tall.EnableVaryItemHeight(TRUE);
  tall.SetPos(0, 0, 480, 400);
  for (int i = 0; i < 4; ++i) tall.AddItem(L"x");
  EXPECT_EQ(tall.CalcContentHeight(), 186 + 3 * 82);
  EXPECT_EQ(tall.CalcIndexOfPos(0, 185), 0);
  EXPECT_EQ(tall.CalcIndexOfPos(0, 186), 1);
  EXPECT_EQ(tall.CalcItemTopPos(2), 268);

  // A collapsing row takes only its remaining height.
  tall.SetCollapsingItem(1, 20);
  EXPECT_EQ(tall.CalcItemTopPos(2), 206);
  EXPECT_EQ(tall.CalcIndexOfPos(0, 205), 1);
  tall.SetCollapsingItem(-1, 0);
  EXPECT_EQ(tall.CalcItemTopPos(2), 268);

  // Rows of a fixed-height list follow the list's height whatever the row says.
  tall.EnableVaryItemHeight(FALSE);
  EXPECT_EQ(tall.CalcContentHeight(), 4 * 82);
}

TEST_F(ListScrollTest, DragMovesTheListWithTheFinger) {
  robot.Drag(240, kScreenTop + 500, 240, kScreenTop + 300, 2000, 20);  // slow: no fling
  EXPECT_EQ(list.GetTopPos(), -200);
  Rest();
  EXPECT_EQ(list.GetTopPos(), -200);
  EXPECT_TRUE(wnd.notes.empty()) << "a drag is not a tap";
}

TEST_F(ListScrollTest, PulledBeyondTheTopSpringsBack) {
  robot.Press(240, kScreenTop + 100);
  for (int y = 110; y <= 300; y += 10) {
    robot.Advance(20);
    robot.MoveTo(240, kScreenTop + y);
  }
  int pulled = list.GetTopPos();
  EXPECT_GT(pulled, 0);
  EXPECT_LT(pulled, 200) << "beyond the top the list resists the finger";
  EXPECT_TRUE(list.IsScrolling());
  robot.Advance(500);  // the finger rests: still held out
  EXPECT_EQ(list.GetTopPos(), pulled);
  robot.Release(240, kScreenTop + 300);
  robot.Advance(100);
  int midway = list.GetTopPos();
  EXPECT_GT(midway, 0);
  EXPECT_LT(midway, pulled);
  Rest();
  EXPECT_EQ(list.GetTopPos(), 0);
  EXPECT_FALSE(list.IsScrolling());

  // The same at the bottom end.
  list.SetTopPos(kMinTop);
  robot.Drag(240, kScreenTop + 500, 240, kScreenTop + 200, 2000, 20);
  Rest();
  EXPECT_EQ(list.GetTopPos(), kMinTop);
}

TEST_F(ListScrollTest, FlingCarriesOnAndSlowsDown) {
  robot.Swipe(240, kScreenTop + 500, 240, kScreenTop + 350);
  int atRelease = list.GetTopPos();
  EXPECT_LE(atRelease, -140);
  EXPECT_TRUE(list.IsScrolling());
  robot.Advance(100);
  int after100 = list.GetTopPos();
  robot.Advance(100);
  int after200 = list.GetTopPos();
  EXPECT_LT(after100, atRelease);
  EXPECT_LT(after200, after100);
  EXPECT_GT(after200 - after100, after100 - atRelease) << "the fling slows down";
  Rest();
  EXPECT_FALSE(list.IsScrolling());
  EXPECT_GE(list.GetTopPos(), kMinTop);

  // A hard fling stops at the end of the content, not beyond it.
  list.SetTopPos(0);
  for (int i = 0; i < 3; ++i) robot.Swipe(240, kScreenTop + 600, 240, kScreenTop + 50);
  Rest();
  EXPECT_EQ(list.GetTopPos(), kMinTop);
}

TEST_F(ListScrollTest, APressOrScrollStopHaltsTheMotionWhereItIs) {
  robot.Swipe(240, kScreenTop + 500, 240, kScreenTop + 350);
  robot.Advance(50);
  ASSERT_TRUE(list.IsScrolling());
  robot.Press(240, kScreenTop + 300);
  EXPECT_TRUE(list.IsMouseDownAtScrolling());
  EXPECT_FALSE(list.IsScrolling());
  int stopped = list.GetTopPos();
  robot.Advance(600);  // no hold either
  robot.Release(240, kScreenTop + 300);
  Rest();
  EXPECT_EQ(list.GetTopPos(), stopped);
  EXPECT_TRUE(wnd.notes.empty());

  // ScrollStop leaves the list where it is.
  list.SetTopPos(0);
  list.ScrollTo(LIST_SCROLL_TO_TOPPOS, -800, TRUE);
  robot.Advance(100);
  list.ScrollStop();
  stopped = list.GetTopPos();
  EXPECT_LT(stopped, 0);
  EXPECT_GT(stopped, -800);
  Rest();
  EXPECT_EQ(list.GetTopPos(), stopped);

  // Stopped while springing back from beyond the top, the window puts it at 0.
  list.SetTopPos(0);
  robot.Press(240, kScreenTop + 100);
  for (int y = 120; y <= 400; y += 20) robot.MoveTo(240, kScreenTop + y);
  robot.Release(240, kScreenTop + 400);
  robot.Advance(50);
  list.ScrollStop();
  EXPECT_GT(list.GetTopPos(), 0);
  list.SetTopPos(0);
  EXPECT_EQ(list.GetTopPos(), 0);
}

TEST_F(ListScrollTest, ScrollToModes) {
  list.ScrollTo(LIST_SCROLL_TO_ITEM, 5, FALSE);
  EXPECT_EQ(list.GetTopPos(), -410);
  list.ScrollTo(LIST_SCROLL_TO_ITEM, 0, FALSE);
  EXPECT_EQ(list.GetTopPos(), 0);
  list.ScrollTo(LIST_SCROLL_TO_ITEM, 19, FALSE);  // cannot bring the last row to the top
  EXPECT_EQ(list.GetTopPos(), kMinTop);

  list.SetTopPos(0);
  list.ScrollTo(LIST_SCROLL_SHOW_ITEM, 3, FALSE);  // visible already
  EXPECT_EQ(list.GetTopPos(), 0);
  list.ScrollTo(LIST_SCROLL_SHOW_ITEM, 9, FALSE);  // its bottom at the list's bottom
  EXPECT_EQ(list.GetTopPos(), kListHeight - 10 * 82);
  list.ScrollTo(LIST_SCROLL_SHOW_ITEM, 1, FALSE);  // its top at the list's top
  EXPECT_EQ(list.GetTopPos(), -82);

  // The copy bubble's move: the row at 30 moves down to 55.
  list.SetTopPos(-82 * 4 - 52);  // row 5 at 30
  ASSERT_EQ(list.CalcItemTopPos(5), 30);
  list.ScrollTo(LIST_SCROLL_TO_TOPPOS, list.GetTopPos() - list.CalcItemTopPos(5) + 55, TRUE);
  EXPECT_TRUE(list.IsScrolling());
  robot.Advance(100);
  EXPECT_GT(list.CalcItemTopPos(5), 30);
  EXPECT_LT(list.CalcItemTopPos(5), 55);
  Rest();
  EXPECT_EQ(list.CalcItemTopPos(5), 55);
  EXPECT_FALSE(list.IsScrolling());
}

TEST_F(ListScrollTest, TapAndHoldNotifyTheWindow) {
  list.SetTopPos(-41);
  robot.Tap(100, kScreenTop + 50);  // content y 91: row 1
  EXPECT_EQ(wnd.notes, (Notes{Click(1)}));

  robot.Advance(1000);
  robot.Hold(100, kScreenTop + 200, 500);  // row 2
  robot.Release(100, kScreenTop + 200);
  EXPECT_EQ(wnd.notes, (Notes{Click(1), Held(2)})) << "the release after a hold is not a tap";

  // Below the last row, and with notifications off, nothing.
  list.RemoveItem(19);
  list.RemoveItem(0);
  EXPECT_EQ(list.GetItem(0)->data, 1u);
  while (list.GetItemCount() > 2) list.RemoveItem(2);
  robot.Advance(1000);
  robot.Tap(100, kScreenTop + 300);
  list.EnableNotifyMessage(FALSE);
  robot.Advance(1000);
  robot.Tap(100, kScreenTop + 50);
  EXPECT_EQ(wnd.notes.size(), 2u);
}

}  // namespace
}  // namespace qzfc::test
