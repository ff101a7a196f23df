// UiCustomList through the robot: what it asks the collection, part codes,
// selection modes and their notifications, swipe-to-delete, rows drawn by
// the collection and its attributes.
#include <gtest/gtest.h>

#include "list_rows.h"

namespace qzfc::test {
namespace {

using CustomListTest = ListTest<UiCustomList>;

TEST_F(CustomListTest, OnlyVisibleRowsAreAsked) {
  Bind(10000);
  EXPECT_EQ(list.CalcContentHeight(), 10000 * 82);
  EXPECT_EQ(rows.asked, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));  // 650 / 82 rounds up to 8

  list.SetTopPos(-82 * 5000 - 41);
  rows.asked.clear();
  robot.Settle();
  EXPECT_EQ(*rows.asked.begin(), 5000);
  EXPECT_EQ(*rows.asked.rbegin(), 5008);

  // Flinging through the rows asks only about rows that came on the screen.
  rows.asked.clear();
  robot.Swipe(240, kScreenTop + 600, 240, kScreenTop + 100);
  Rest();
  int lastVisible = (-list.GetTopPos() + kListHeight - 1) / 82;
  EXPECT_GT(lastVisible, 5020);
  EXPECT_GE(*rows.asked.begin(), 5000);
  EXPECT_LE(*rows.asked.rbegin(), lastVisible);
}

TEST_F(CustomListTest, TapsReportTheRightHandPartAsPartTwo) {
  Bind(5);
  robot.Tap(100, RowY(2));
  TapRow(480 - 106, 3);
  TapRow(480 - 107, 3);
  robot.Advance(1000);
  robot.Hold(470, RowY(1), 500);
  robot.Release(470, RowY(1));
  robot.Advance(1000);
  robot.Tap(100, kScreenTop + 600);  // below the rows
  EXPECT_EQ(wnd.notes, (Notes{Click(2), Click(3, 2), Click(3), Held(1, 2)}));
  EXPECT_EQ(rows.clicked, (std::vector<int>{2, 3, 3}));
}

TEST_F(CustomListTest, PressedRowIsSelectedUntilReleasedOrMovedAndDisabledRowsIgnoreTouches) {
  Bind(5);
  rows.rows[4].disabled = true;
  robot.Press(100, RowY(2));
  EXPECT_EQ(list.GetSelectedIndex(), 2);
  robot.Release(100, RowY(2));
  EXPECT_EQ(list.GetSelectedIndex(), -1);
  robot.Advance(1000);
  robot.Press(100, RowY(2));
  robot.MoveTo(100, RowY(2) + 30);
  EXPECT_EQ(list.GetSelectedIndex(), -1);
  robot.Release(100, RowY(2) + 30);
  // A disabled row neither shows a press nor reports a tap or a hold.
  for (int holdMs : {0, 600}) {
    robot.Advance(1000);
    robot.Hold(100, RowY(4), static_cast<DWORD>(holdMs));
    EXPECT_EQ(list.GetSelectedIndex(), -1);
    robot.Release(100, RowY(4));
  }
  EXPECT_EQ(wnd.notes.size(), 1u) << "only the first touch was a tap";
}

TEST_F(CustomListTest, MultipleSelectionTogglesAndReportsFirst) {
  Bind(4);
  list.SetMultiSelectMode(1);
  robot.Tap(300, RowY(1));
  EXPECT_TRUE(rows.rows[1].selected);
  TapRow(300, 1);
  EXPECT_FALSE(rows.rows[1].selected);
  EXPECT_EQ(wnd.notes, (Notes{SelChange(1), Click(1), SelChange(1), Click(1)}));

  wnd.notes.clear();
  list.SelectAll(TRUE);
  robot.Settle();
  for (const Row& r : rows.rows) EXPECT_TRUE(r.selected);
  list.SelectAll(FALSE);
  robot.Settle();
  for (const Row& r : rows.rows) EXPECT_FALSE(r.selected);
  EXPECT_EQ(wnd.notes, (Notes{SelChange(-1), SelChange(-1)}));

  // Single mode: taps only.
  list.SetMultiSelectMode(0);
  wnd.notes.clear();
  TapRow(300, 2);
  EXPECT_FALSE(rows.rows[2].selected);
  EXPECT_EQ(wnd.notes, (Notes{Click(2)}));
}

TEST_F(CustomListTest, PartitionedRowsThatOpenSelectOnlyByTheirCheckBox) {
  ImagingHelper arrow;
  ASSERT_TRUE(LoadArt(arrow, "qzres/152.svg"));
  Bind(3);
  rows.rows[0].rightImage = &arrow;  // a group row: opens when tapped
  list.SetMultiSelectMode(1);
  list.EnablePartitionMultiSelect(TRUE);

  robot.Tap(300, RowY(0));
  EXPECT_FALSE(rows.rows[0].selected);
  TapRow(40, 0);
  EXPECT_TRUE(rows.rows[0].selected);
  TapRow(300, 1);  // a plain row toggles anywhere
  EXPECT_TRUE(rows.rows[1].selected);
  EXPECT_EQ(wnd.notes, (Notes{Click(0), SelChange(0), Click(0), SelChange(1), Click(1)}));
}

TEST_F(CustomListTest, CheckListAndSingleSelectionStylesTintTheirRows) {
  constexpr uint32_t kWhite = 0xFFFFFF;
  Bind(4);
  rows.rows[1].selected = true;
  list.SetMultiSelectMode(1);
  robot.Settle();
  EXPECT_EQ(ScreenPixel(300, RowY(1)), kWhite) << "the default look shows selection by the box only";
  EXPECT_FALSE(ItemAttribute::CreateItemAttribute(42).selectedLook);
  list.SetItemAttribute(ItemAttribute::CreateItemAttribute(ITEM_ATTR_CHECK_LIST));
  robot.Settle();
  const uint32_t tint = ScreenPixel(300, RowY(1));
  EXPECT_NE(tint, kWhite);
  EXPECT_EQ(ScreenPixel(300, RowY(0)), kWhite);

  // Single selection: the tapped row is chosen and stays tinted.
  list.SetMultiSelectMode(0);
  rows.rows[1].selected = false;
  robot.Tap(300, RowY(2));
  EXPECT_EQ(list.GetSingleSelectedItem(), -1) << "without the style a tap chooses nothing";
  list.SetSingleSelectItemStyle(LIST_SINGLE_SELECT_ITEM);
  for (int row : {2, 3}) {
    wnd.notes.clear();
    TapRow(300, row);
    EXPECT_EQ(list.GetSingleSelectedItem(), row);
    EXPECT_EQ(wnd.notes, (Notes{Click(row)}));
  }
  EXPECT_EQ(ScreenPixel(300, RowY(3)), tint);
  EXPECT_EQ(ScreenPixel(300, RowY(2)), kWhite);
  list.SetCustomItemCollection(&rows);
  EXPECT_EQ(list.GetSingleSelectedItem(), -1);
}

TEST_F(CustomListTest, SwipeUncoversDeleteWhichAsksTheCollection) {
  Bind(4);
  rows.rows[1].deletable = true;
  list.EnableDragModeH(TRUE);

  // A row the collection keeps does not slide; the drag does nothing.
  SlideRow(2);
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_PLAIN);
  EXPECT_EQ(list.GetTopPos(), 0);
  EXPECT_TRUE(rows.asked.count(2));

  // A short slide falls back.
  SlideRow(1, 360);
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_PLAIN);

  // Far enough, the delete button stays uncovered.
  robot.Advance(1000);
  robot.Press(400, RowY(1));
  robot.MoveTo(350, RowY(1));
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_SLIDING);
  EXPECT_EQ(list.GetSelectedIndex(), 1);
  robot.MoveTo(250, RowY(1));
  robot.Release(250, RowY(1));
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_DELETE_SHOWN);
  EXPECT_TRUE(rows.deleted.empty());

  // A tap elsewhere only closes it.
  TapRow(100, 3);
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_PLAIN);
  EXPECT_TRUE(wnd.notes.empty());
  EXPECT_TRUE(rows.deleted.empty());

  // Uncovered again, a tap on the button deletes the row.
  SlideRow(1);
  TapRow(480 - 60, 1);
  EXPECT_EQ(rows.deleted, (std::vector<int>{1}));
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_PLAIN);
  EXPECT_EQ(list.CalcContentHeight(), 3 * 82);
  EXPECT_TRUE(wnd.notes.empty());

  // Horizontal dragging off: nothing slides.
  rows.rows[0].deletable = true;
  list.EnableDragModeH(FALSE);
  SlideRow(0);
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_PLAIN);
}

TEST_F(CustomListTest, RowsGoneDuringATouchAreNotAskedAbout) {
  // TestRows fails the test when asked about a row it does not have.
  Bind(5);
  list.EnableDragModeH(TRUE);
  robot.Advance(1000);
  robot.Press(400, RowY(4));
  rows.rows.resize(2);  // the data changed under the finger
  robot.MoveTo(300, RowY(4));
  robot.Release(300, RowY(4));
  robot.Advance(1000);
  robot.Press(100, RowY(1));
  rows.rows.clear();
  robot.Advance(600);  // the hold time runs out on a row that is gone
  robot.Release(100, RowY(1));
  EXPECT_EQ(list.GetSelectMode(), LIST_SELECT_PLAIN);
  EXPECT_TRUE(wnd.notes.empty());
}

TEST_F(CustomListTest, VaryingHeightsComeFromTheCollection) {
  Bind(4);
  rows.rows[0].height = 0;  // hidden
  rows.rows[2].height = 120;
  EXPECT_EQ(list.CalcContentHeight(), 4 * 82);
  list.EnableVaryItemHeight(TRUE);
  EXPECT_EQ(list.CalcContentHeight(), 82 + 120 + 82);
  EXPECT_EQ(list.CalcIndexOfPos(10, 10), 1);
  robot.Tap(100, kScreenTop + 100);
  EXPECT_EQ(wnd.notes, (Notes{Click(2)}));
}

// A collection whose hint row lays its description out over the row and
// whose last row draws itself.
class HintRows : public TestRows {
 public:
  void UpdateItemAttribute(UiCustomList* list, int index, ItemAttribute* attr) override {
    if (index != 0) return;
    bool narrowed = list->GetSelectedIndex() == 0 && list->GetSelectMode() != LIST_SELECT_PLAIN;
    attr->descLeft = 50;
    attr->descTop = 15;
    attr->descRight = narrowed ? 330 : 430;
    attr->descBottom = 15;
    attr->pressedLook = FALSE;
    attr->SetDescTextParam(20, 0x958E82, 400, FALSE, FALSE, 0xA010);
    attributed.push_back(attr->descRight);
  }
  DRAWITEMFUN GetDrawItemFunPointer(int index) override {
    return index == static_cast<int>(rows.size()) - 1 ? &DrawLast : nullptr;
  }
  BOOL IsDrawItemGridline(int index) override { return index != static_cast<int>(rows.size()) - 1; }
  static void DrawLast(UiCustomList* list, HDC hdc, int index, const RECT& rc) {
    drawn.push_back({index, list->GetSelectedIndex() == index});
    FillSolid(hdc, rc, 0x0000FF);
  }
  std::vector<int> attributed;
  static inline std::vector<std::pair<int, bool>> drawn;
};

TEST_F(CustomListTest, CollectionShapesAndDrawsItsRows) {
  HintRows hint;
  hint.Fill(3);
  hint.rows[0].text.clear();
  hint.rows[0].sub = L"Slide a row to the left to delete it";
  hint.rows[0].deletable = true;
  HintRows::drawn.clear();
  list.EnableDragModeH(TRUE);
  list.SetCustomItemCollection(&hint);
  robot.Settle();
  EXPECT_EQ(hint.attributed, (std::vector<int>{430}));
  EXPECT_EQ(HintRows::drawn, (std::vector<std::pair<int, bool>>{{2, false}}));

  // The last row: drawn by the routine, pressed while selected; no grid line.
  HintRows::drawn.clear();
  robot.Press(100, RowY(2));
  EXPECT_EQ(HintRows::drawn.back(), (std::pair<int, bool>{2, true}));
  robot.Release(100, RowY(2));

  // The hint row narrows its text while its delete button shows.
  hint.attributed.clear();
  SlideRow(0);
  EXPECT_EQ(hint.attributed.back(), 330);
}

}  // namespace
}  // namespace qzfc::test
