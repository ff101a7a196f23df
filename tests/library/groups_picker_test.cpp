// The group picker as a user drives it: rows tapped and slid over on the
// headless screen, over the groups of a real store, checked by the choice it
// gives back and by what it draws.
#include <cstdint>
#include <vector>

#include "contactdata/GroupNames.h"
#include "contactdata_helpers.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "ui_fixture.h"

namespace {

using contactdata_test::kBlacklist;
using vorna::test::DarkPixels;
using vorna::test::kScreenTop;
using vorna::test::ScreenPixel;

constexpr int kBlacklistStoreId = 1;  // the store keeps the blacklist as its first group

class GroupPickerTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override {
    db = CContactsDbIf::GetContactDbIf();
    ASSERT_NE(db, nullptr);
    ASSERT_EQ(db->GetGroupID(kBlacklist), kBlacklistStoreId);
    family = db->AddGroup(L"家人");
    work = db->AddGroup(L"同事");
    Open(host);
  }
  void TearDown() override {
    host.RemoveUiWin(&picker);
    host.DestroyWindow();
  }
  // Fills the picker, marks the contact's groups and shows it.
  void Show(bool strangerOnly, std::vector<int> contactGroups) {
    picker.SetPos(0, 0, 480, 650);
    picker.SetID(3);
    picker.LoadGroups(strangerOnly);
    for (int id : contactGroups) picker.SetGroupChosen(id);
    host.AddUiWin(&picker);
    host.Invalidate();
    robot.Settle();
  }
  static int RowY(int row) { return kScreenTop + 82 * row + 41; }
  void TapRow(int row) {
    robot.Tap(240, RowY(row));
    robot.Advance(300);  // past the double-click time
  }
  std::vector<int> Chosen() {
    std::vector<int> ids;
    for (int id : picker.GetChosenGroupIds()) ids.push_back(id);
    return ids;
  }
  std::vector<std::wstring> Rows() {
    std::vector<std::wstring> rows;
    for (int i = 0; i < picker.GetItemCount(); ++i) rows.push_back(picker.GetItem(i)->text);
    return rows;
  }
  int TextInk(int row) { return DarkPixels(90, RowY(row) - 30, 380, 60); }
  // A fingerprint of the check box of a row as drawn.
  static uint64_t CheckLook(int row) {
    uint64_t look = 0;
    for (int y = RowY(row) - 40; y < RowY(row) + 40; ++y)
      for (int x = 0; x < 86; ++x) look = look * 31 + ScreenPixel(x, y);
    return look;
  }

  CContactsDbIf* db = nullptr;
  int family = 0;
  int work = 0;
  CQzWndEx host;
  UiListGroupPicker picker;
};

TEST_F(GroupPickerTest, BlacklistComesLastAndExcludesEveryOtherGroup) {
  Show(false, {family});
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"家人", L"同事", L"黑名单"}));
  EXPECT_EQ(picker.GetItem(2)->data, static_cast<DWORD>(kBlacklistStoreId));
  EXPECT_EQ(ScreenPixel(470, RowY(2)), UiListGroupPicker::kBlacklistRowColour);
  EXPECT_EQ(ScreenPixel(470, RowY(1)), RGB(255, 255, 255));
  EXPECT_EQ(Chosen(), (std::vector<int>{family}));
  const uint64_t unticked = CheckLook(1);
  EXPECT_NE(CheckLook(0), unticked) << "the contact's group is drawn ticked";

  TapRow(1);
  EXPECT_EQ(Chosen(), (std::vector<int>{family, work}));
  EXPECT_NE(CheckLook(1), unticked);
  EXPECT_GT(TextInk(0), 0) << "names are black while the blacklist is not chosen";

  TapRow(2);
  EXPECT_EQ(Chosen(), (std::vector<int>{kBlacklistStoreId}));
  EXPECT_TRUE(picker.IsBlacklistChosen());
  EXPECT_EQ(CheckLook(0), unticked);
  EXPECT_EQ(CheckLook(1), unticked);
  EXPECT_EQ(TextInk(0), 0) << "the other groups are greyed";
  EXPECT_EQ(TextInk(1), 0);
  TapRow(0);
  TapRow(1);
  EXPECT_EQ(Chosen(), (std::vector<int>{kBlacklistStoreId})) << "greyed groups do not change";

  TapRow(2);
  EXPECT_TRUE(Chosen().empty());
  EXPECT_GT(TextInk(0), 0);
  TapRow(5);
  EXPECT_TRUE(Chosen().empty()) << "a tap below the rows chooses nothing";
}

// The names go back in stored form, so the editor stores them as they are;
// only the blacklist row's text is its displayed name, which converts back.
TEST_F(GroupPickerTest, ChosenNamesAreStoredNamesInRowOrder) {
  const int special = db->AddGroup(L"_$!<Family>!$_");
  Show(false, {special, family});
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"家人", L"同事", L"_$!<Family>!$_", L"黑名单"}));
  qzu::array<qzu::string> names = picker.GetChosenGroupNames();
  EXPECT_EQ(names, (qzu::array<qzu::string>{L"家人", L"_$!<Family>!$_"}));

  TapRow(3);
  names = picker.GetChosenGroupNames();
  ASSERT_EQ(names.size(), 1);
  EXPECT_EQ(GetGroupStoreName(names[0]), kBlacklist);
}

TEST_F(GroupPickerTest, LastMarkDecidesTheBlacklistFlag) {
  Show(false, {kBlacklistStoreId, family});
  EXPECT_FALSE(picker.IsBlacklistChosen());
  EXPECT_EQ(Chosen(), (std::vector<int>{kBlacklistStoreId, family}));
  picker.SetGroupChosen(kBlacklistStoreId);
  EXPECT_EQ(Chosen(), (std::vector<int>{kBlacklistStoreId}));
}

TEST_F(GroupPickerTest, StrangerSeesOnlyTheBlacklistRow) {
  Show(true, {});
  EXPECT_EQ(Rows(), std::vector<std::wstring>{L"黑名单"});
  EXPECT_EQ(picker.GetItem(0)->data, 0u);
  TapRow(0);
  EXPECT_EQ(Chosen(), std::vector<int>{0});
}

TEST_F(GroupPickerTest, SlidingAwayFromAPressedRowChoosesNothing) {
  Show(false, {});
  robot.Press(240, RowY(1));
  EXPECT_EQ(picker.GetSelectedIndex(), 1);
  const COLORREF pressed = ScreenPixel(470, RowY(1));
  EXPECT_NE(pressed, RGB(255, 255, 255)) << "the pressed row looks pressed";
  robot.MoveTo(240, RowY(1) + 40);
  EXPECT_EQ(picker.GetSelectedIndex(), -1);
  robot.Release(240, RowY(1) + 40);
  robot.Advance(1000);
  EXPECT_TRUE(Chosen().empty());
  EXPECT_EQ(ScreenPixel(470, RowY(1)), RGB(255, 255, 255));
}

}  // namespace
