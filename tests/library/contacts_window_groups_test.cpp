// The contacts book's groups: the remembered group, the ungrouped row, the
// group menu by row and content, new and renamed groups, a slid-away group,
// and the groups of the contact in details.
#include "contacts/groups/CGroupNameWnd.h"
#include "contacts_fixture.h"
#include "qzfc/QzPopupMenu.h"

namespace contacts_test {
namespace {

class ContactsGroupsTest : public ContactsWindowTest {
 protected:
  void OpenGroupsList() {
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
    ASSERT_EQ(wnd.GetMode(), MODE_GROUP);
  }
  // The texts of the group menu of a row (its right part), cancelled.
  std::vector<std::wstring> MenuOf(int row) {
    std::vector<std::wstring> items;
    robot.WhenModalWaits([&] {
      for (int id = QzPopupMenu::kFirstItemId; UiWin* item = robot.FindControl(id); ++id)
        items.push_back(item->GetText());
      if (!items.empty()) items.pop_back();  // the cancel entry
      robot.Foreground()->EndModal(0);
    });
    TapRow(row, 450);
    EXPECT_EQ(robot.PendingModalSteps(), 0u) << "no menu came";
    return items;
  }
  // A row whose right part shows no menu (a menu would stall the robot).
  void ExpectNoMenu(int row) {
    TapRow(row, 450);
    EXPECT_EQ(robot.Foreground(), &host);
  }
  // Answers the group name window: its title, then the typed name confirmed.
  void AnswerGroupName(const std::wstring& typed, std::wstring* title) {
    robot.WhenModalWaits([this, typed, title] {
      *title = robot.Foreground()->GetWindowText();
      robot.Type(typed);
      TapButton(*robot.Find<UiToolBarPro>(CGroupNameWnd::kToolBarId), TOOLBAR_BUTTON_RIGHT);
    });
  }
};

TEST_F(ContactsGroupsTest, TheGroupsButtonReopensTheLastGroupWhileItHasMembers) {
  const int ann = AddContact(L"Ann", {{L"10086", 0}}, {L"Family"});
  AddContact(L"Bob", {});
  Start();
  OpenGroupsList();
  TapRow(RowOf(L"Family"));
  ASSERT_EQ(wnd.GetMode(), MODE_GROUP_MEMBER);
  EXPECT_EQ(CountText(), L"1 联系人");
  TapToolBar(TOOLBAR_BUTTON_RIGHT);  // "全部" keeps the group
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(wnd.GetMode(), MODE_GROUP_MEMBER);
  EXPECT_EQ(Title(), L"Family");
  TapToolBar(TOOLBAR_BUTTON_LEFT);  // "返回" forgets it
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(wnd.GetMode(), MODE_GROUP);

  // Remembered again, then emptied by someone else: the groups list.
  TapRow(RowOf(L"Family"));
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  CContactInfo record;
  ASSERT_TRUE(Db().GetContactInfo(ann, record));
  Db().UpdateCategories(record, qzu::array<int>());
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(wnd.GetMode(), MODE_GROUP);

  // The ungrouped row lists the contacts in no group and is never reopened.
  TapRow(0);
  EXPECT_EQ(Title(), L"未分组");
  EXPECT_EQ(List().GetItemCount(), 2);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(wnd.GetMode(), MODE_GROUP);
}

TEST_F(ContactsGroupsTest, TheGroupMenuOffersWhatTheGroupHas) {
  AddContact(L"Ann", {{L"10086", 0}}, {L"Family"}, {{L"ann@example.com", 0}});
  AddContact(L"Bob", {}, {L"Empty"});
  Db().AddGroup(L"Empty2");
  AddContact(L"Cid", {{L"10010", 0}});
  Start();
  OpenGroupsList();
  // Rows: ungrouped, the blacklist, then the groups in the store's order.
  EXPECT_EQ(MenuOf(0), std::vector<std::wstring>{L"发送信息"});
  ExpectNoMenu(1);  // the blacklist: nothing to send to, and not renamed
  EXPECT_EQ(MenuOf(RowOf(L"Family")), (std::vector<std::wstring>{L"发送信息", L"发送邮件", L"组别编辑"}));
  EXPECT_EQ(MenuOf(RowOf(L"Empty")), std::vector<std::wstring>{L"组别编辑"});

  // Choosing "send message" opens the composer for the group.
  TapWhenModalWaits(QzPopupMenu::kFirstItemId);
  const int family = Db().GetGroupID(L"Family");
  TapRow(RowOf(L"Family"), 450);
  EXPECT_EQ(Messages(), std::vector<std::wstring>{L"-b " + std::to_wstring(family) + L"\u2593"});
}

TEST_F(ContactsGroupsTest, NewRenamedAndSlidAwayGroups) {
  Start();
  OpenGroupsList();
  std::wstring title;
  AnswerGroupName(L"Work", &title);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(title, L"新建组");
  ASSERT_GT(Db().GetGroupID(L"Work"), 0);
  EXPECT_EQ(CountText(), L"3 组别");
  const int row = RowOf(L"Work");
  ASSERT_EQ(row, 2);

  robot.WhenModalWaits([&] {
    UiWin* rename = robot.FindControl(QzPopupMenu::kFirstItemId);
    EXPECT_STREQ(rename->GetText(), L"组别编辑");
    TapIn(rename->GetWinRect());
  });
  AnswerGroupName(L"2", &title);
  TapRow(row, 450);
  EXPECT_EQ(title, L"组别编辑");
  EXPECT_EQ(Db().GetGroupID(L"Work"), 0);
  EXPECT_GT(Db().GetGroupID(L"Work2"), 0);
  EXPECT_EQ(RowOf(L"Work2"), row);

  // Slid to the left, the row uncovers its delete button.
  const int y = RowMiddle(List(), row);
  robot.Drag(400, y, 150, y);
  robot.Advance(500);
  TapAt(440, y);
  EXPECT_EQ(Db().GetGroupID(L"Work2"), 0);
  EXPECT_EQ(RowOf(L"Work2"), -1);
}

TEST_F(ContactsGroupsTest, GroupsChosenInDetailsAreStored) {
  const int ann = AddContact(L"Ann", {{L"10086", 0}}, {L"Family"});
  const int work = Db().AddGroup(L"Work");
  Start();
  TapRow(0);
  TapDetailsRow(Details().GetItemCount() - 2);
  UiListGroupPicker& picker = *wnd.GetGroupPicker();
  // Rows: Family (ticked), Work, the blacklist.
  EXPECT_EQ(picker.GetChosenGroupIds().size(), 1);
  TapAt(200, RowMiddle(picker, 1));
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  ASSERT_EQ(wnd.GetMode(), MODE_DETAILS);
  EXPECT_TRUE(Db().IsContactInGroup(ann, work));
  EXPECT_TRUE(Db().IsContactInGroup(ann, Db().GetGroupID(L"Family")));
  EXPECT_EQ(Details().GetRowValueText(Details().GetItemCount() - 2).str(), L"Family Work");

  // Tab 4 in group editing drops the choice.
  TapDetailsRow(Details().GetItemCount() - 2);
  TapAt(200, RowMiddle(*wnd.GetGroupPicker(), 0));
  TapToolBar(TOOLBAR_BUTTON_ICON_MIDDLE);
  EXPECT_EQ(wnd.GetMode(), MODE_NORMAL);
  EXPECT_TRUE(Db().IsContactInGroup(ann, Db().GetGroupID(L"Family")));
}

}  // namespace
}  // namespace contacts_test
