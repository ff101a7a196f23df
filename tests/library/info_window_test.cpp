// The contact info window as a user drives it: the three ways a contact is
// given and the second button each brings, the row actions (checked in the
// launch journal and on the clipboard), group editing written to the store,
// and a contact changed or deleted by someone else while it is shown.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ce/wstring.h"
#include "contactdata_helpers.h"
#include "contacts/details/UiListContactInfo.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "contacts/info/CContactInfoWnd.h"
#include "ui_fixture.h"

namespace {

using contactdata_test::AddContact;
using contactdata_test::kBlacklist;
using vorna::test::ClipboardText;
using vorna::test::Dialled;
using vorna::test::kScreenTop;
using vorna::test::Launched;

class InfoWindowTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override {
    db = CContactsDbIf::GetContactDbIf();
    ASSERT_NE(db, nullptr);
  }

  // Creates the window over the work area; false when it would not open.
  bool Create() {
    RECT wa = QzGetWorkArea();
    return wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP);
  }
  // Runs it, with `user` acting when it waits; its result.
  int Run(const std::function<void()>& user) {
    if (!wnd.GetHwnd() && !Create()) return 0;
    robot.WhenModalWaits(user);
    return wnd.DoModal(FALSE);
  }
  void TearDown() override { wnd.DestroyWindow(); }

  UiListContactInfo& List() { return *wnd.GetDetailsList(); }
  UiToolBarPro& ToolBar() { return *dynamic_cast<UiToolBarPro*>(wnd.GetUiWin(CContactInfoWnd::kToolBarId)); }
  std::wstring SecondButton() {
    UiToolBarPro& bar = ToolBar();
    if (!bar.IsButtonVisible(TOOLBAR_BUTTON_RIGHT)) return L"(hidden)";
    return std::wstring(bar.GetButtonText(TOOLBAR_BUTTON_RIGHT)) +
           (bar.IsButtonEnabled(TOOLBAR_BUTTON_RIGHT) ? L"" : L" (disabled)");
  }
  void TapToolBar(int button) { TapButton(ToolBar(), button); }
  // The first row of a kind.
  int RowOf(int kind) {
    for (int row = 0; row < List().GetItemCount(); ++row)
      if (List().GetRowKind(row) == kind) return row;
    ADD_FAILURE() << "no row of kind " << kind;
    return -1;
  }
  int RowMiddle(int row) { return kScreenTop + List().CalcItemTopPos(row) + List().CalcItemHeight(row) / 2; }
  void TapRow(int row, int x = 240) {
    robot.Tap(x, RowMiddle(row));
    robot.Advance(300);
  }
  int AnnWithTwoNumbers() {
    return AddContact(L"Ann", {{L"13800138000", 0}, {L"1795113900139000", 2}}, {}, {{L"ann@example.com", 0}});
  }

  CContactsDbIf* db = nullptr;
  CContactInfoWnd wnd;
};

TEST_F(InfoWindowTest, StoredContactShowsItsRowsWithEdit) {
  const int id = AnnWithTwoNumbers();
  wnd.SetContactId(id);
  ASSERT_TRUE(Create());
  wnd.Show(TRUE);
  robot.Settle();
  EXPECT_STREQ(wnd.GetWindowText(), L"详情");
  EXPECT_EQ(SecondButton(), L"编辑");
  EXPECT_EQ(List().GetContact().fileAs, L"Ann");
  EXPECT_EQ(List().GetItemCount(), 6) << "header, two numbers, e-mail, groups, send";
  EXPECT_EQ(Run([&] { TapToolBar(TOOLBAR_BUTTON_LEFT); }), CContactInfoWnd::kResultBack);
}

TEST_F(InfoWindowTest, RecordBringsAddAndACardBringsSaveWhenItHasAName) {
  CContactInfo record;
  record.UpdateNameInfo(L"", L"Bo", L"");
  record.AddEmail(0, L"bo@example.com", 0);
  wnd.SetContactInfo(&record);
  ASSERT_TRUE(Create());
  EXPECT_EQ(SecondButton(), L"添加");
  EXPECT_EQ(List().GetContact().emails[0].value, L"bo@example.com");
  ASSERT_EQ(Run([&] {
              TapRow(RowOf(CONTACT_ROW_GROUPS));
              EXPECT_EQ(wnd.GetGroupPicker(), nullptr) << "a given record's groups row does nothing";
              TapToolBar(TOOLBAR_BUTTON_LEFT);
            }),
            CContactInfoWnd::kResultBack);
  wnd.DestroyWindow();

  CContactInfoWnd named, nameless, broken, empty;
  named.setVcfBuf(L"BEGIN:VCARD\r\nVERSION:2.1\r\nN:Li;Wei\r\nTEL;CELL:13800138000\r\nEND:VCARD\r\n");
  nameless.setVcfBuf(L"BEGIN:VCARD\r\nVERSION:2.1\r\nTEL;CELL:13800138000\r\nEND:VCARD\r\n");
  broken.setVcfBuf(L"BEGIN:VCARD\r\nVERSION:2.1\r\nN:Li;Wei\r\n");
  ASSERT_NE(named.GetVcardContact(), nullptr);
  EXPECT_EQ(named.GetVcardContact()->fileAs, L"Wei Li");
  EXPECT_EQ(broken.GetVcardContact(), nullptr);
  RECT wa = QzGetWorkArea();
  for (CContactInfoWnd* w : {&named, &nameless})
    ASSERT_TRUE(w->Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP));
  auto second = [](CContactInfoWnd& w) {
    auto* bar = dynamic_cast<UiToolBarPro*>(w.GetUiWin(CContactInfoWnd::kToolBarId));
    return std::make_pair(std::wstring(bar->GetButtonText(TOOLBAR_BUTTON_RIGHT)),
                          bar->IsButtonEnabled(TOOLBAR_BUTTON_RIGHT) != FALSE);
  };
  EXPECT_EQ(second(named), std::make_pair(std::wstring(L"保存"), true));
  EXPECT_EQ(second(nameless), std::make_pair(std::wstring(L"保存"), false)) << "a card without a name is not saved";
  for (CContactInfoWnd* w : {&broken, &empty})
    EXPECT_FALSE(w->Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP))
        << "nothing to show";
  named.DestroyWindow();
  nameless.DestroyWindow();
}

// The second button opens the editor: on the stored contact ("编辑"), or on
// a new contact with the record's first number ("添加", then the menu).
TEST_F(InfoWindowTest, SecondButtonEditsOrAddsThroughTheEditor) {
  const int id = AnnWithTwoNumbers();
  wnd.SetContactId(id);
  int editedContact = 0;
  ASSERT_EQ(Run([&] {
              robot.WhenModalWaits([&] {
                auto* editor = dynamic_cast<CContactEditWnd*>(robot.Foreground());
                ASSERT_NE(editor, nullptr);
                editedContact = editor->GetContactInfo().contactId;
                TapButton(*robot.Find<UiToolBarPro>(CContactEditWnd::kToolBarId), TOOLBAR_BUTTON_LEFT);  // back
              });
              TapToolBar(TOOLBAR_BUTTON_RIGHT);
            }),
            CContactInfoWnd::kResultDone)
      << "the editor left with back closes the details too";
  EXPECT_EQ(editedContact, id);
  wnd.DestroyWindow();

  CContactInfo record;
  record.UpdateNameInfo(L"", L"Bo", L"");
  record.AddEmail(0, L"bo@example.com", 0);
  record.AddPhoneNumber(0, L"13900139000", 1, 0);
  record.AddPhoneNumber(0, L"13700137000", 0, 1);
  CContactInfoWnd second;
  second.SetContactInfo(&record);
  RECT wa = QzGetWorkArea();
  ASSERT_TRUE(second.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP));
  std::vector<std::wstring> menu;
  std::wstring prefilledNumber, prefilledName;
  robot.WhenModalWaits([&] {
    auto* bar = dynamic_cast<UiToolBarPro*>(second.GetUiWin(CContactInfoWnd::kToolBarId));
    robot.WhenModalWaits([&] {  // the menu
      for (int item = 1; item <= 3; ++item) menu.push_back(robot.FindControl(item)->GetText());
      robot.WhenModalWaits([&] {  // the editor on a new contact
        auto* editor = dynamic_cast<CContactEditWnd*>(robot.Foreground());
        ASSERT_NE(editor, nullptr);
        prefilledNumber = editor->GetContactInfo().phoneNumbers[0].value.str();
        prefilledName = editor->GetContactInfo().firstName.str();
        TapButton(*robot.Find<UiToolBarPro>(CContactEditWnd::kToolBarId), TOOLBAR_BUTTON_LEFT);
      });
      TapIn(robot.FindControl(QzPopupMenu::kFirstItemId)->GetWinRect());
    });
    TapButton(*bar, TOOLBAR_BUTTON_RIGHT);
    TapButton(*bar, TOOLBAR_BUTTON_LEFT);
  });
  EXPECT_EQ(second.DoModal(FALSE), CContactInfoWnd::kResultBack) << "a cancelled editor leaves the details open";
  second.DestroyWindow();
  EXPECT_EQ(menu, (std::vector<std::wstring>{L"添加为新联系人", L"添加到现有联系人", L"取消"}));
  EXPECT_EQ(prefilledNumber, L"13900139000") << "the first number, not the primary one";
  EXPECT_EQ(prefilledName, L"Bo");
  EXPECT_EQ(db->GetUngroupContactsCount(), 1) << "nothing was added";
}

// The left part of a number row IP-dials, the middle dials, the right
// writes a message; a long press copies the number.
TEST_F(InfoWindowTest, NumberRowDialsByPartAndNeverDoublesThePrefix) {
  wnd.SetContactId(AnnWithTwoNumbers());
  ASSERT_EQ(Run([&] {
              TapRow(1, 40);  // no prefix in use: the phone host dials
              PhoneSettingsDbIf::GetPhoneSettingsDbIf()->SetIPInUsed(L"17951");
              TapRow(1, 40);
              TapRow(2, 40);  // a number that begins with the prefix
              TapRow(1, 200);
              TapRow(2, 420);
              // A long press copies the number through the bubble's button.
              CopyHeldRow(240, RowMiddle(2), kScreenTop + List().CalcItemTopPos(2));
              TapToolBar(TOOLBAR_BUTTON_LEFT);
            }),
            CContactInfoWnd::kResultBack);
  EXPECT_EQ(Launched(L"\\windows\\telhub.exe"), std::vector<std::wstring>{L"-k 13800138000"});
  EXPECT_EQ(Dialled(), (std::vector<std::wstring>{L"-n 1795113800138000", L"-n 1795113900139000",
                                                  L"-n 13800138000"}));
  EXPECT_EQ(vorna::test::Messages(), std::vector<std::wstring>{L"-n 1795113900139000"});
  EXPECT_EQ(ClipboardText(), L"1795113900139000");
}

TEST_F(InfoWindowTest, GroupsEditedInThePickerAreStoredWhenLeavingIt) {
  const int friends = db->AddGroup(L"朋友");
  const int id = AddContact(L"Ann", {{L"13800138000", 0}}, {L"朋友"});
  wnd.SetContactId(id);
  ASSERT_EQ(Run([&] {
              TapRow(RowOf(CONTACT_ROW_GROUPS));
              ASSERT_NE(wnd.GetGroupPicker(), nullptr);
              EXPECT_STREQ(wnd.GetWindowText(), L"组别编辑");
              EXPECT_EQ(SecondButton(), L"(hidden)");
              EXPECT_FALSE(List().IsVisible());
              EXPECT_EQ(wnd.GetGroupPicker()->GetChosenGroupIds(), qzu::array<int>{friends});
              robot.Tap(240, kScreenTop + 41 + 82);  // rows: 朋友, 黑名单
              robot.Advance(300);
              TapToolBar(TOOLBAR_BUTTON_LEFT);
              EXPECT_EQ(wnd.GetGroupPicker(), nullptr);
              EXPECT_STREQ(wnd.GetWindowText(), L"详情");
              EXPECT_EQ(SecondButton(), L"编辑");
              EXPECT_TRUE(List().IsVisible());
              TapToolBar(TOOLBAR_BUTTON_LEFT);
            }),
            CContactInfoWnd::kResultBack);
  EXPECT_TRUE(db->IsContactInBlacklist(id));
  EXPECT_FALSE(db->IsContactInGroup(id, friends));
}

// Another program changes the store while the details are open: a tap acts
// on what the store says then, and on nothing for a contact that is gone.
TEST_F(InfoWindowTest, TapsFollowTheStoreAfterAnotherProgramChangedIt) {
  const int id = AnnWithTwoNumbers();
  wnd.SetContactId(id);
  ASSERT_EQ(Run([&] {
              AddContact(L"Someone else", {{L"10086", 0}});
              TapRow(1, 200);  // the same row still: it dials
              CContactInfo changed;
              ASSERT_TRUE(db->GetContactInfo(id, changed));
              st_contacts_extra entry = changed.phoneNumbers[0];
              entry.value = L"13700137000";
              ASSERT_TRUE(db->UpdatePhones(entry));
              TapRow(1, 200);  // it shows another number now: nothing dialled
              TapRow(1, 200);
              ASSERT_TRUE(db->RemoveContact(id));
              TapRow(RowOf(CONTACT_ROW_PHONE), 200);
              EXPECT_EQ(List().GetItemCount(), 0) << "the contact is gone";
              TapRow(0, 200);
              TapToolBar(TOOLBAR_BUTTON_LEFT);
            }),
            CContactInfoWnd::kResultBack);
  EXPECT_EQ(Dialled(), (std::vector<std::wstring>{L"-n 13800138000", L"-n 13700137000"}));
  EXPECT_EQ(db->GetUngroupContactsCount(), 1) << "nothing was written for the contact that is gone";
}

}  // namespace
