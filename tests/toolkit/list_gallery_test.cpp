// The lists as users see them: a call log, a check list and a row with its
// delete button uncovered. Each test checks what the picture must show and
// saves it; with VORNA_UPDATE_GALLERY set the pictures go to the README's
// gallery (docs/images), otherwise to the temporary folder.
#include <gtest/gtest.h>

#include "window_fixture.h"
#include "list_rows.h"

namespace qzfc::test {
namespace {

class ListGalleryTest : public ListTest<UiCustomList> {
 protected:
  void SetUp() override {
    ListTest::SetUp();
    list.SetSplitLineMode(LIST_SPLIT_TEXT);
  }
  ImagingHelper* Art(const std::string& file) {
    images.push_back(std::make_unique<ImagingHelper>());
    EXPECT_TRUE(LoadArt(*images.back(), file)) << file;
    return images.back().get();
  }
  std::vector<std::unique_ptr<ImagingHelper>> images;
};

TEST_F(ListGalleryTest, CallLog) {
  struct Call {
    const wchar_t* name;
    const wchar_t* number;
    const wchar_t* when;
    const wchar_t* length;
    const char* icon;
  };
  const Call calls[] = {
      {L"Ann Lee", L"138 0013 8000", L"10:15", L"1m 15s", "vornares/106.svg"},
      {L"010 6552 9988", L"Beijing", L"09:02", L"3 rings", "vornares/108.svg"},
      {L"Wang Fang", L"139 1234 5678", L"Yesterday", L"12m 03s", "vornares/107.svg"},
      {L"Zhang San", L"021 5555 0101", L"12-04", L"45s", "vornares/107.svg"},
      {L"Li Lei", L"137 0000 1111", L"12-03", L"2 rings", "vornares/108.svg"},
      {L"Mother", L"135 2468 1357", L"12-01", L"25m 40s", "vornares/106.svg"},
  };
  for (const Call& c : calls) {
    Row r{c.name, c.number, c.when, c.length};
    r.image = Art(c.icon);
    r.deletable = true;
    rows.rows.push_back(r);
  }
  list.SetCustomItemCollection(&rows);
  robot.Press(200, RowY(2));  // the pressed look on row 2
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("list_calls.png")));
  EXPECT_NE(ScreenPixel(200, kScreenTop + 82 * 2 + 20), ScreenPixel(200, kScreenTop + 82 * 3 + 20))
      << "the pressed row stands out";
  EXPECT_EQ(ScreenPixel(200, kScreenTop + 82 * 3 + 20), 0xFFFFFFu);
  robot.Release(200, RowY(2));
}

TEST_F(ListGalleryTest, CheckList) {
  Row group{L"Family", L"3 contacts"};
  group.rightImage = Art("qzres/152.svg");
  rows.rows.push_back(group);
  const wchar_t* people[][2] = {{L"Ann Lee", L"138 0013 8000"},
                                {L"Li Lei", L"137 0000 1111"},
                                {L"Wang Fang", L"139 1234 5678"},
                                {L"Zhang San", L"021 5555 0101"}};
  for (auto& p : people) rows.rows.push_back(Row{p[0], p[1]});
  rows.rows[4].disabled = true;
  list.SetMultiSelectMode(1);
  list.EnablePartitionMultiSelect(TRUE);
  list.SetItemAttribute(ItemAttribute::CreateItemAttribute(ITEM_ATTR_CHECK_LIST));
  list.SetCustomItemCollection(&rows);
  robot.Tap(200, RowY(1));
  TapRow(200, 3);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("list_checks.png")));
  EXPECT_TRUE(rows.rows[1].selected);
  EXPECT_TRUE(rows.rows[3].selected);
  // The boxes are the toolkit's pictures 111 (ticked, a blue face) and 110
  // (empty, a white face), centred in the 80-pixel column.
  EXPECT_EQ(ScreenPixel(30, RowY(1)), 0x2F7DE1u);
  EXPECT_EQ(ScreenPixel(30, RowY(2)), 0xFFFFFFu);
  EXPECT_NE(ScreenPixel(20, RowY(2)), ScreenPixel(24, RowY(2))) << "its frame";
}

TEST_F(ListGalleryTest, DeleteButton) {
  Row hint{L"", L"Slide a call to the left to delete it"};
  hint.deletable = true;
  rows.rows.push_back(hint);
  for (auto* name : {L"Ann Lee", L"Li Lei", L"Wang Fang"}) {
    Row r{name, L"Mobile"};
    r.image = Art("vornares/370.svg");
    r.deletable = true;
    rows.rows.push_back(r);
  }
  list.EnableDragModeH(TRUE);
  list.SetCustomItemCollection(&rows);
  SlideRow(2);
  ASSERT_EQ(list.GetSelectMode(), LIST_SELECT_DELETE_SHOWN);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("list_delete.png")));
  uint32_t button = ScreenPixel(480 - 20, kScreenTop + 82 * 2 + 10);
  EXPECT_GT(button >> 16, 0xC0u) << "the delete button is red";
  EXPECT_LT((button >> 8) & 0xFF, 0x80u);
  EXPECT_EQ(ScreenPixel(480 - 20, kScreenTop + 82 * 3 + 10), 0xFFFFFFu);
}

}  // namespace
}  // namespace qzfc::test
