// The group name window as a user drives it: names typed on the headless
// screen against the groups of a real store, checked by the confirm button
// and the window's result.
#include "contacts/groups/CGroupNameWnd.h"
#include "contactdata_helpers.h"
#include "qzfc/Sip.h"
#include "ui_fixture.h"

namespace {

class GroupNameTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override {
    db = CContactsDbIf::GetContactDbIf();
    ASSERT_NE(db, nullptr);
    ASSERT_GT(db->AddGroup(L"家人"), 0);
  }
  void TearDown() override { wnd.DestroyWindow(); }
  void OpenWith(const wchar_t* name) {
    wnd.SetInitName(name);
    Open(wnd);
  }
  bool CanConfirm() { return ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT); }
  UiToolBarPro& ToolBar() { return *robot.Find<UiToolBarPro>(CGroupNameWnd::kToolBarId); }
  std::wstring Field() { return wnd.GetText(); }
  void Clear() { robot.Char(27); }
  void TapToolBar(int button) { TapButton(ToolBar(), button); }

  CContactsDbIf* db = nullptr;
  CGroupNameWnd wnd;
};

TEST_F(GroupNameTest, NewGroupStartsEmptyWithTheKeyboardUp) {
  OpenWith(L"");
  EXPECT_STREQ(wnd.GetWindowText(), L"新建组");
  EXPECT_EQ(Field(), L"");
  EXPECT_STREQ(wnd.GetNameField().GetTip(), L"组别");
  EXPECT_FALSE(CanConfirm());
  EXPECT_TRUE(qzfc::Sip::Instance().IsVisible());
}

TEST_F(GroupNameTest, OnlyUsableNamesCanBeConfirmed) {
  OpenWith(L"");
  struct Case {
    const wchar_t* typed;
    bool usable;
  };
  const Case cases[] = {
      {L"家人", false},        // a group of that name exists
      {L"家人们", true},       // one more character makes it new
      {L"家,人", false},       // separators anywhere
      {L";家人们", false},     //
      {L"黑名单", false},      // the blacklist's displayed name: stored as the blacklist
      {L"未分组", false},      // the "ungrouped" text
      {L"Friends", true},
  };
  for (const Case& c : cases) {
    Clear();
    robot.Type(c.typed);
    EXPECT_EQ(Field(), c.typed);
    EXPECT_EQ(CanConfirm(), c.usable) << "typing " << testing::PrintToString(std::wstring(c.typed));
  }
  Clear();
  EXPECT_FALSE(CanConfirm()) << "an empty name";
  robot.Type(L"家人们");
  robot.Char(8);
  EXPECT_FALSE(CanConfirm()) << "deleting back to a name in use";
}

TEST_F(GroupNameTest, RenameCutsALongNameAndWaitsForANewOne) {
  OpenWith(L"一二三四五六七八九十甲乙丙丁戊己庚辛");
  EXPECT_STREQ(wnd.GetWindowText(), L"组别编辑");
  EXPECT_EQ(Field(), L"一二三四五六七八九十甲乙丙丁戊己");
  EXPECT_FALSE(CanConfirm()) << "nothing changed yet";
  robot.Char(8);
  EXPECT_TRUE(CanConfirm());
  robot.Type(L"己庚");
  EXPECT_EQ(Field().size(), 16u) << "at most 16 characters";
}

TEST_F(GroupNameTest, ConfirmEndsWithOneAndCancelWithTwo) {
  wnd.SetInitName(L"家人");
  RECT wa = QzGetWorkArea();
  ASSERT_TRUE(wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP));
  robot.WhenModalWaits([&] {
    TapToolBar(TOOLBAR_BUTTON_RIGHT);  // disabled: nothing happens
    TapIn(wnd.GetNameField().GetWinRect());
    robot.Type(L"亲戚");
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  EXPECT_EQ(wnd.DoModal(FALSE), CGroupNameWnd::kResultConfirm);
  EXPECT_EQ(Field(), L"家人亲戚");
  EXPECT_FALSE(qzfc::Sip::Instance().IsVisible()) << "the keyboard goes with the focus";
  wnd.DestroyWindow();

  CGroupNameWnd again;
  ASSERT_TRUE(again.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP));
  robot.WhenModalWaits([&] {
    robot.Type(L"亲戚");
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  EXPECT_EQ(again.DoModal(FALSE), CGroupNameWnd::kResultCancel);
  again.DestroyWindow();
}

}  // namespace
