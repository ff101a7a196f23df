// The contacts book's modes: every way between them, where "back" leads,
// and what survives a visit to a contact's details.
#include "contacts/editor/ContactEditWnd.h"
#include "contacts_fixture.h"

namespace contacts_test {
namespace {

TEST_F(ContactsWindowTest, ModesFollowTheTableWithTheirToolBarsAndTitles) {
  const int ann = AddContact(L"Ann", {{L"13800138000", 0}}, {L"Friends"});
  AddContact(L"Bob", {{L"13900139000", 0}});
  Start();
  auto expectMode = [&](CONTACT_WINDOW_MODE mode, const wchar_t* left, const wchar_t* title) {
    EXPECT_EQ(wnd.GetMode(), mode);
    EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_LEFT), left);
    if (title) {
      EXPECT_EQ(Title(), title);
    }
  };
  expectMode(MODE_NORMAL, L"新建", L"通讯录");
  EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_RIGHT), L"组别");
  EXPECT_EQ(ToolBar().GetMiddleButtonHighLight(), 4);

  TapRow(RowOf(L"Ann"));
  expectMode(MODE_DETAILS, L"返回", L"联系人信息");
  EXPECT_EQ(Details().GetContactId(), ann);
  EXPECT_FALSE(List().IsVisible());
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  expectMode(MODE_NORMAL, L"新建", L"通讯录");
  EXPECT_EQ(wnd.GetContactInfoList(), nullptr) << "leaving details destroys the details list";

  // Search, details from there, and back to the search.
  TapControl(Control<UiButtonEx>(CContactWnd::kCountButtonId));
  expectMode(MODE_SEARCH, L"取消", L"通讯录");
  EXPECT_TRUE(qzfc::Sip::Instance().IsVisible());
  EXPECT_EQ(wnd.GetBaseMode(), MODE_SEARCH);
  TapRow(0);
  EXPECT_EQ(wnd.GetDetailsReturnMode(), MODE_SEARCH);
  EXPECT_FALSE(qzfc::Sip::Instance().IsVisible()) << "details put the keyboard away";
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  expectMode(MODE_SEARCH, L"取消", L"通讯录");
  robot.TapShellBar();  // the keyboard covers the tool bar: a tap on the task bar drops it
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  expectMode(MODE_NORMAL, L"新建", L"通讯录");
  EXPECT_EQ(wnd.GetBaseMode(), MODE_NORMAL);

  // Groups, a group's members, details from there and back into the group.
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  expectMode(MODE_GROUP, L"新建", L"组别");
  EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_RIGHT), L"全部");
  TapRow(RowOf(L"Friends"));
  expectMode(MODE_GROUP_MEMBER, L"返回", L"Friends");
  ASSERT_EQ(List().GetItemCount(), 1);
  TapRow(0);
  EXPECT_EQ(wnd.GetDetailsReturnMode(), MODE_GROUP_MEMBER);
  // The groups row of the details: the group picker, and back to details.
  TapDetailsRow(Details().GetItemCount() - 2);
  expectMode(MODE_GROUP_EDIT, L"返回", L"组别编辑");
  EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_RIGHT));
  ASSERT_NE(wnd.GetGroupPicker(), nullptr);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  expectMode(MODE_DETAILS, L"返回", L"联系人信息");
  EXPECT_EQ(wnd.GetGroupPicker(), nullptr);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  expectMode(MODE_GROUP_MEMBER, L"返回", L"Friends");
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  expectMode(MODE_GROUP, L"新建", L"组别");
  EXPECT_EQ(wnd.GetCurrentGroupId(), 0) << "back forgets the group";
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  expectMode(MODE_NORMAL, L"新建", L"通讯录");
}

TEST_F(ContactsWindowTest, TabButtonsAndTheMKeyGoBackToTheBaseMode) {
  AddContact(L"Ann", {{L"13800138000", 0}});
  Start();
  // Tab 4 in details returns to the list mode it came from.
  TapControl(Control<UiButtonEx>(CContactWnd::kCountButtonId));
  TapRow(0);
  TapToolBar(TOOLBAR_BUTTON_ICON_MIDDLE);
  EXPECT_EQ(wnd.GetMode(), MODE_SEARCH);
  robot.TapShellBar();
  TapToolBar(TOOLBAR_BUTTON_ICON_MIDDLE);
  EXPECT_EQ(wnd.GetMode(), MODE_SEARCH) << "tab 4 does nothing in a list mode";

  // Another tab: the base mode (search), then the host is asked for the tab.
  TapRow(0);
  EXPECT_EQ(wnd.GetMode(), MODE_DETAILS);
  TapToolBar(TOOLBAR_BUTTON_ICON_LEFT);
  EXPECT_EQ(wnd.GetMode(), MODE_SEARCH);
  EXPECT_TRUE(wnd.IsKeyboardHidden()) << "back in the base mode without the search field's focus";
  TapToolBar(TOOLBAR_BUTTON_ICON_RIGHT);
  EXPECT_EQ(host.tabs, (std::vector<int>{3, 5}));

  // The M key: the quit request, then the base mode without a slide.
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  ASSERT_EQ(wnd.GetMode(), MODE_GROUP);
  robot.PressMKey();
  EXPECT_TRUE(qzfc::MessageLoop::Get().QuitRequested());
  EXPECT_EQ(wnd.GetMode(), MODE_NORMAL);
}

TEST_F(ContactsWindowTest, BackFromDetailsKeepsTheRowsAndPlaceUnlessTheDataChanged) {
  for (int i = 0; i < 30; ++i) AddContact((L"Name" + std::to_wstring(100 + i)).c_str(), {{L"10086", 0}});
  Start();
  EXPECT_EQ(CountText(), L"30 联系人");
  List().SetTopPos(-500);
  const int row = List().CalcIndexOfPos(200, 200);
  TapRow(row);
  ASSERT_EQ(wnd.GetMode(), MODE_DETAILS);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(List().GetTopPos(), -500) << "nothing changed: the same place";

  // Changed meanwhile (here or by another program): reloaded, not scrolled to the top.
  TapRow(row);
  AddContact(L"Name999", {});
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(CountText(), L"31 联系人");
  EXPECT_EQ(List().GetTopPos(), -500);

  // A change seen on the next activation of the list.
  AddContact(L"Name998", {});
  wnd.Dispatch(QZ_WM_ACTIVATE, 1, 0);
  robot.Settle();
  EXPECT_EQ(CountText(), L"32 联系人");
}

TEST_F(ContactsWindowTest, AContactDeletedElsewhereWhileItsDetailsAreOpenGetsNoGroups) {
  const int ann = AddContact(L"Ann", {{L"13800138000", 0}});
  Start();
  TapRow(0);
  TapDetailsRow(Details().GetItemCount() - 2);
  ASSERT_EQ(wnd.GetMode(), MODE_GROUP_EDIT);
  ASSERT_TRUE(Db().RemoveContact(ann));
  TapAt(200, RowMiddle(*wnd.GetGroupPicker(), 0));  // a group is ticked
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(wnd.GetMode(), MODE_DETAILS);
  EXPECT_EQ(Details().GetItemCount(), 0) << "the store has no such contact any more";
  EXPECT_EQ(Db().GetGroupContactsCount(1), 0);
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(CountText(), L"0 联系人");
}


class ContactsEditorTest : public ContactsWindowTest {
 protected:
  // The contact editor over the window: `button` of its tool bar once it is up.
  void AnswerEditor(int button, const std::function<void()>& meanwhile = {}) {
    robot.WhenModalWaits([this, button, meanwhile] {
      ASSERT_NE(dynamic_cast<CContactEditWnd*>(robot.Foreground()), nullptr) << "the editor is up";
      if (meanwhile) meanwhile();
      TapButton(*robot.Find<UiToolBarPro>(CContactEditWnd::kToolBarId), button);
    });
  }
};

TEST_F(ContactsEditorTest, TheEditorForNewAndStoredContacts) {
  const int ann = AddContact(L"Ann", {{L"13800138000", 0}});
  Start();
  AnswerEditor(TOOLBAR_BUTTON_LEFT);  // a new contact, cancelled
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(wnd.GetMode(), MODE_NORMAL);
  EXPECT_EQ(CountText(), L"1 联系人");

  // Saved: the details show what the store now holds.
  TapRow(0);
  AnswerEditor(TOOLBAR_BUTTON_RIGHT, [&] { Db().UpdateNotes(ann, L"met in Hangzhou"); });
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(wnd.GetMode(), MODE_DETAILS);
  EXPECT_EQ(Details().GetRowKind(2), CONTACT_ROW_NOTE);

  // Cancelled: back to the list.
  AnswerEditor(TOOLBAR_BUTTON_LEFT);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(wnd.GetMode(), MODE_NORMAL);
}

}  // namespace
}  // namespace contacts_test
