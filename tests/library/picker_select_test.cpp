// The value picker's choices through the robot against a real store: one
// tap for one contact or number, check boxes, whole groups, the group view,
// select all, the pre-selected contact and the right button's rule; and the
// README's picture of numbers chosen in an open group
// (docs/images/picker_group.png).
#include "picker_fixture.h"

namespace picker_test {
namespace {

using Texts = std::vector<std::wstring>;
using vorna::test::DarkPixels;

class PickerSelectTest : public PickerTest {
 protected:
  void SetUp() override {
    ann = AddContact(L"Ann", {{L"13800000001", 0}, {L"010-5550001", 2}}, {L"Work"}, {{L"ann@example.com", 1}});
    bo = AddContact(L"Bo", {{L"13800000002", 0}}, {L"Work", L"Family"});
    cy = AddContact(L"Cy", {}, {L"Family"}, {{L"cy@example.com", 0}});
    dee = AddContact(L"Dee", {{L"13800000004", 1}}, {L"_$!<Blacklist>!$_"});
    eve = AddContact(L"Eve", {{L"13800000005", 0}}, {}, {{L"eve@example.com", 0}});
  }
  int ann = 0, bo = 0, cy = 0, dee = 0, eve = 0;
};

TEST_F(PickerSelectTest, OnePhoneNumberIsChosenWithOneTap) {
  Texts rows;
  const int result = Run(SELECT_ONE_PHONE_NUMBER, [&] {
    EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"选择号码");
    EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_RIGHT));
    EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_MIDDLE));
    EXPECT_NE(Rows().GetItemImage(0), nullptr);
    rows = VisibleRows();
    EXPECT_EQ(std::wstring(Rows().GetItemSubText(1)), L"010-5550001");
    TapRow(1);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(rows, (Texts{L"Ann", L"Ann", L"Bo", L"Dee", L"Eve"})) << "no group rows";
  EXPECT_EQ(picker.GetSelectContactId(), ann);
  EXPECT_STREQ(picker.GetSelectInfo(), L"010-5550001");
  EXPECT_TRUE(Chosen().empty());
}

TEST_F(PickerSelectTest, OneContactIsChosenWithOneTap) {
  EXPECT_EQ(Run(SELECT_ONE_CONTACT, [&] {
              EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"选择联系人");
              EXPECT_EQ(VisibleRows(), (Texts{L"Ann", L"Bo", L"Cy", L"Dee", L"Eve"}));
              TapRow(2);
            }),
            1);
  EXPECT_EQ(picker.GetSelectContactId(), cy);
  EXPECT_STREQ(picker.GetSelectInfo(), L"");
}

TEST_F(PickerSelectTest, CancelChoosesNothingAndAPreselectionOnlyCountsForSeveralContacts) {
  // Pre-selected for a choice of numbers: ignored, so nothing is selected
  // and the right button stays off.
  EXPECT_EQ(Run(SELECT_PHONE_NUMBERS, [&] {
              EXPECT_FALSE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
              EXPECT_EQ(picker.GetSelectedContactCount(), 0);
              TapToolBar(TOOLBAR_BUTTON_LEFT);
            }, bo),
            2);
  EXPECT_EQ(picker.GetSelectContactId(), 0);
  EXPECT_TRUE(Chosen().empty());
}

TEST_F(PickerSelectTest, GroupRowsCountMembersWithValuesOfTheKind) {
  // Numbers: Family has Bo (Cy has none); the blacklist is never offered;
  // the ungrouped row holds Eve.
  Run(SELECT_PHONE_NUMBERS, [&] {
    EXPECT_EQ(VisibleRows(), (Texts{L"Work", L"Family", L"未分组", L"Ann", L"Ann", L"Bo", L"Dee", L"Eve"}));
    EXPECT_EQ(std::wstring(Rows().GetItemSubText(0)), L"");
    EXPECT_NE(Rows().GetItemRightImage(0), nullptr);
    EXPECT_EQ(Rows().GetItemRightImage(3), nullptr);
    EXPECT_EQ(picker.GetValidItemCount(), 5);
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
}

TEST_F(PickerSelectTest, AWholeGroupTickedGivesItsMembersValuesNotTheGroup) {
  // E-mail: Work counts Ann only (Bo has no address), Family Cy only.
  const int result = Run(SELECT_EMAILS, [&] {
    EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"选择Email");
    EXPECT_EQ(VisibleRows(), (Texts{L"Work", L"Family", L"未分组", L"Ann", L"Cy", L"Eve"}));
    TickRow(0);  // Work, without opening it
    EXPECT_EQ(VisibleRows().size(), 6u) << "ticking does not open the group";
    EXPECT_TRUE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Chosen(), (Texts{L"Ann ann@example.com"}));
  EXPECT_EQ(picker.GetSelectedContactCount(), 1);
}

TEST_F(PickerSelectTest, GroupViewShowsOnlyMembersAndSelectAllStaysInside) {
  Run(SELECT_PHONE_NUMBERS, [&] {
    TapRow(0);  // Work
    EXPECT_EQ(VisibleRows(), (Texts{L"Ann", L"Ann", L"Bo"}));
    EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_LEFT), L"返回");
    EXPECT_EQ(List().GetTopPos(), 0);
    TapToolBar(TOOLBAR_BUTTON_MIDDLE);
    EXPECT_EQ(picker.GetSelectedContactCount(), 3);
    EXPECT_TRUE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    TapToolBar(TOOLBAR_BUTTON_MIDDLE);  // and clears them again
    EXPECT_EQ(picker.GetSelectedContactCount(), 0);
    EXPECT_FALSE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    TickRow(5);  // Bo: rows keep their indexes in the group view
    TapToolBar(TOOLBAR_BUTTON_LEFT);  // back to every row
    EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_LEFT), L"取消");
    EXPECT_EQ(VisibleRows().size(), 8u);
    TapRow(2);  // the contacts in no group
    EXPECT_EQ(VisibleRows(), (Texts{L"Eve"}));
    TapToolBar(TOOLBAR_BUTTON_MIDDLE);
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  EXPECT_EQ(Chosen(), (Texts{L"Bo 13800000002", L"Eve 13800000005"}));
}

TEST_F(PickerSelectTest, SelectAllOutsideAGroupTakesEveryRowAndClearsThemAgain) {
  Run(SELECT_CONTACTS, [&] {
    EXPECT_TRUE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_MIDDLE));
    TapToolBar(TOOLBAR_BUTTON_MIDDLE);
    EXPECT_EQ(picker.GetSelectedContactCount(), picker.GetValidItemCount());
    EXPECT_TRUE(Rows().IsItemSelected(0)) << "the group rows too";
    TapToolBar(TOOLBAR_BUTTON_MIDDLE);
    EXPECT_EQ(picker.GetSelectedContactCount(), 0);
    EXPECT_FALSE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    TickRow(3);  // Ann, after the three group rows
    TickRow(7);  // Eve
    TickRow(7);  // not Eve after all
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  EXPECT_EQ(Chosen(), (Texts{L"Ann 13800000001"}));
}

TEST_F(PickerSelectTest, APreselectedContactStartsSelectedAtTheTopWithTheRightButtonOn) {
  // Enough contacts that the pre-selected one is far down the list.
  int target = 0;
  for (int i = 0; i < 30; ++i) {
    const int id = AddContact((L"M" + std::to_wstring(10 + i)).c_str(), {{L"1390000000", 0}});
    if (i == 20) target = id;
  }
  int row = -1;
  const int result = Run(SELECT_CONTACTS, [&] {
    robot.Advance(1000);  // the scroll animation
    EXPECT_TRUE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    for (int i = 0; i < Rows().GetItemCount(); ++i)
      if (Rows().IsItemSelected(i)) row = i;
    EXPECT_EQ(std::wstring(Rows().GetItemText(row)), L"M30");
    EXPECT_EQ(List().GetTopPos(), -82 * row);
    EXPECT_TRUE(AlphabetBar().IsVisible());
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  }, target);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Chosen(), (Texts{L"M30 1390000000"}));
  EXPECT_EQ(picker.GetSelectContactId(), 0) << "cleared when shown; only single choices set it";
}

TEST_F(PickerTest, AnEmptyStoreLeavesSelectAllAndOkOff) {
  Run(SELECT_CONTACTS, [&] {
    EXPECT_FALSE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_MIDDLE));
    EXPECT_FALSE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
    EXPECT_FALSE(AlphabetBar().IsVisible());
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
}

TEST_F(PickerTest, GalleryNumbersOfAnOpenGroupTwoTicked) {
  AddContact(L"张伟", {{L"13800138000", 0}, {L"010-65529988", 2}}, {L"同事"});
  AddContact(L"Anna Berg", {{L"13912345678", 0}}, {L"同事", L"朋友"});
  AddContact(L"李娜", {{L"13600001111", 1}}, {L"同事"});
  AddContact(L"王芳", {{L"13700002222", 0}}, {L"朋友"});
  AddContact(L"赵磊", {{L"15800003333", 0}});
  Run(SELECT_PHONE_NUMBERS, [&] {
    TapRow(0);  // 同事
    TickRow(3);  // Anna Berg (rows keep their indexes: three group rows come first)
    TickRow(5);  // 张伟's mobile
    EXPECT_GT(DarkPixels(0, kScreenTop, 480, 82), 100) << "the first member's row";
    EXPECT_EQ(DarkPixels(0, kScreenTop + 5 * 82, 430, 82), 0) << "nothing below the four members";
    EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("picker_group.png")));
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  EXPECT_EQ(Chosen(), (std::vector<std::wstring>{L"Anna Berg 13912345678", L"张伟 13800138000"}));
}

}  // namespace
}  // namespace picker_test
