// The contact editor window as a user drives it: its modes and save rule,
// what reaches the store and when (a stored contact at once, a new one only
// on save), the address dialog's save states, the birthday picker, and
// deleting a contact.
#include "contactdata/quick/QuickContact.h"
#include "ce/time.h"
#include "contacts/editor/AddressEditWnd.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

constexpr int kValueX = 200;

class EditorWindowTest : public EditorTest {
 protected:
  // The address dialog, answered by `steps` once it is up.
  void WithAddressDialog(std::function<void(CAddressEditWnd&)> steps) {
    WhenOpen([this, steps] {
      auto* dialog = dynamic_cast<CAddressEditWnd*>(robot.Foreground());
      ASSERT_NE(dialog, nullptr) << "the address dialog is up";
      steps(*dialog);
    });
  }
};

TEST_F(EditorWindowTest, NewContactSavesOnlyWithANameAndOnlyOnSave) {
  int result = -5;
  WhenOpen([&] {
    EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"新建联系人");
    EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_LEFT), L"取消");
    EXPECT_FALSE(CanSave()) << "no name, no company";
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  result = FastNewContact(nullptr, EDIT_KIND_PHONE, L"13800138000", nullptr);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ContactCount(), 0) << "cancel leaves nothing";

  WhenOpen([&] {
    EXPECT_TRUE(CanSave());
    EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_MIDDLE));
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  result = FastNewContact(nullptr, EDIT_KIND_PHONE, L"13800138000", L"Ann");
  ASSERT_GT(result, 0);
  CContactInfo stored = Stored(result);
  EXPECT_STREQ(stored.firstName.c_str(), L"Ann");
  ASSERT_EQ(stored.phoneNumbers.size(), 1);
  EXPECT_STREQ(stored.phoneNumbers[0].value.c_str(), L"13800138000");
  EXPECT_EQ(stored.phoneNumbers[0].type, 0);
  EXPECT_EQ(stored.phoneNumbers[0].primary, 1);

  WhenOpen([&] { TapToolBar(TOOLBAR_BUTTON_RIGHT); });
  result = FastNewContact(nullptr, EDIT_KIND_EMAIL, L"bo@example.com", L"Bo");
  ASSERT_GT(result, 0);
  EXPECT_EQ(Stored(result).emails.size(), 1);
  EXPECT_TRUE(Stored(result).phoneNumbers.empty());
  EXPECT_EQ(ContactCount(), 2);
}

TEST_F(EditorWindowTest, NewContactsAddressReachesTheStoreOnlyWithTheSave) {
  OpenEditor(EDIT_MODE_NEW);
  editor.GetContactInfo().UpdateNameInfo(L"", L"Cy", L"");
  WithAddressDialog([&](CAddressEditWnd&) {
    EXPECT_FALSE(CanSave());
    Fill(CAddressEditWnd::kPostcodeId, L"518000");
    EXPECT_TRUE(CanSave()) << "a new address with only a postcode";
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  editor.OpenFieldEditor(EDIT_KIND_ADDRESS, &editor.GetContactInfo(), -1, editor.GetHwnd(), &List());
  ASSERT_NE(Row(EDIT_ROW_ADDRESS), -1);
  EXPECT_EQ(ContactCount(), 0);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  ASSERT_GT(editor.GetContactId(), 0);
  CContactInfo stored = Stored(editor.GetContactId());
  ASSERT_EQ(stored.addresses.size(), 1);
  EXPECT_STREQ(stored.addresses[0].postcode.c_str(), L"518000");
}

TEST_F(EditorWindowTest, StoredContactsAddressChangeIsStoredEvenWhenLeftWithBack) {
  int id = StoreContact({.addresses = {Address(L"China", L"Shenzhen", L"Main St 1", L"518000", 1)}});
  WhenOpen([&] {
    EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"编辑联系人");
    EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_MIDDLE), L"删除");
    WithAddressDialog([&](CAddressEditWnd& dialog) {
      EXPECT_EQ(dialog.GetChangeState(), ADDRESS_UNCHANGED);
      EXPECT_FALSE(CanSave());
      EXPECT_EQ(robot.Find<UiSlideBar>(CAddressEditWnd::kTypeBarId)->GetHighLightButton(), 1);
      Fill(CAddressEditWnd::kStreetId, L"Side St 2");
      EXPECT_EQ(dialog.GetChangeState(), ADDRESS_CHANGED);
      TapToolBar(TOOLBAR_BUTTON_RIGHT);
    });
    auto* shown = dynamic_cast<CContactEditWnd*>(robot.Foreground());
    ASSERT_NE(shown, nullptr);
    UiListContactEdit& list = *shown->GetFieldList();
    for (int row = 0; row < list.GetItemCount(); ++row)
      if (list.GetRowKind(row) == EDIT_ROW_ADDRESS) {
        RECT rc = list.GetItemRect(row);
        robot.Tap(kValueX, kScreenTop + (rc.top + rc.bottom) / 2);
        robot.Advance(300);
      }
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  EXPECT_EQ(FastEditContact(nullptr, id), 0) << "left with back";
  CContactInfo stored = Stored(id);
  ASSERT_EQ(stored.addresses.size(), 1);
  EXPECT_STREQ(stored.addresses[0].street.c_str(), L"Side St 2");
  EXPECT_STREQ(stored.addresses[0].city.c_str(), L"Shenzhen");
  EXPECT_EQ(stored.addresses[0].type, 1);
}

TEST_F(EditorWindowTest, AddressDialogSavesOnlyWhatWouldChange) {
  int id = StoreContact({.addresses = {Address(L"China", L"", L"", L"518000")}});
  OpenEditor(EDIT_MODE_EDIT, id);
  WithAddressDialog([&](CAddressEditWnd& dialog) {
    auto* types = robot.Find<UiSlideBar>(CAddressEditWnd::kTypeBarId);
    EXPECT_STREQ(types->GetButtonText(2), L"其它");
    RECT work = types->GetWinRect();
    robot.Tap(work.left + (work.right - work.left) * 5 / 6, kScreenTop + 34);  // "其它"
    robot.Advance(300);
    EXPECT_EQ(dialog.GetChangeState(), ADDRESS_CHANGED) << "only the type differs";
    robot.Tap(work.left + (work.right - work.left) / 6, kScreenTop + 34);
    robot.Advance(300);
    EXPECT_FALSE(CanSave()) << "back to the stored type";
    Fill(CAddressEditWnd::kCountryId, L"");
    Fill(CAddressEditWnd::kPostcodeId, L"");
    EXPECT_EQ(dialog.GetChangeState(), ADDRESS_EMPTY);
    EXPECT_FALSE(CanSave()) << "an address cannot be emptied here";
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
    EXPECT_EQ(robot.Foreground(), &dialog) << "a disabled save does nothing";
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  TapRow(Row(EDIT_ROW_ADDRESS), kValueX);
  EXPECT_STREQ(Stored(id).addresses[0].country.c_str(), L"China") << "cancelled";

  WhenOpen([&] {
    EXPECT_STREQ(robot.FindControl(QzPopupMenu::kFirstItemId + 1)->GetText(), L"地址");
    TapControl(QzPopupMenu::kFirstItemId + 1);
  });
  WithAddressDialog([&](CAddressEditWnd&) {
    Fill(CAddressEditWnd::kCityId, L"Beijing");
    TapToolBar(TOOLBAR_BUTTON_RIGHT);
  });
  TapRow(Row(EDIT_ROW_ADD_BUTTONS), 400);  // add other information
  CContactInfo stored = Stored(id);
  ASSERT_EQ(stored.addresses.size(), 2);
  EXPECT_STREQ(stored.addresses[1].city.c_str(), L"Beijing");
  EXPECT_EQ(stored.addresses[1].type, 0);
  EXPECT_EQ(editor.GetContactInfo().addresses[1].id, stored.addresses[1].id) << "the new entry knows its id";
  EXPECT_NE(Row(EDIT_ROW_ADDRESS, 1), -1) << "and the list shows it";
}

TEST_F(EditorWindowTest, BirthdayOf29February1980RoundTripsThroughThePicker) {
  int id = StoreContact({.birthday = L"19800229"});
  OpenEditor(EDIT_MODE_EDIT, id);
  CContactsDbIf::GetContactDbIf()->UpdateBirthday(id, L"19700101");  // the picker writes what it shows
  WhenOpen([&] {
    auto* picker = dynamic_cast<QzSetDaily*>(robot.Foreground());
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->GetItemCount(0), 177);
    EXPECT_EQ(picker->GetSelectedIndex(0), 1980 - 1923);
    EXPECT_EQ(picker->GetSelectedIndex(1), 1);
    EXPECT_EQ(picker->GetItemCount(2), 29);
    EXPECT_EQ(picker->GetSelectedIndex(2), 28);
    TapControl(QZ_DAILY_CONFIRM_ID);
  });
  TapRow(Row(EDIT_ROW_BIRTHDAY), kValueX);
  EXPECT_STREQ(Stored(id).birthday.c_str(), L"19800229");
  EXPECT_STREQ(editor.GetContactInfo().birthday.c_str(), L"19800229");

  // A birthday that is not eight digits opens at today; cancelling keeps it.
  for (const wchar_t* bad : {L"1980", L"1980O229", L"19800230"}) {
    editor.GetContactInfo().UpdateBirthday(bad);
    CContactsDbIf::GetContactDbIf()->UpdateBirthday(id, bad);
    editor.RefreshFieldList();
    SYSTEMTIME today{};
    GetLocalTime(&today);
    WhenOpen([&] {
      auto* picker = dynamic_cast<QzSetDaily*>(robot.Foreground());
      ASSERT_NE(picker, nullptr);
      EXPECT_EQ(picker->GetSelectedIndex(0), today.wYear - 1923) << bad;
      EXPECT_EQ(picker->GetSelectedIndex(1), today.wMonth - 1) << bad;
      TapControl(QZ_DAILY_CANCEL_ID);
    });
    TapRow(Row(EDIT_ROW_BIRTHDAY), kValueX);
    EXPECT_STREQ(Stored(id).birthday.c_str(), bad);
  }
}

TEST_F(EditorWindowTest, DeleteAsksFirstAndUnknownContactsOpenEmpty) {
  int id = StoreContact({.numbers = {{L"13800138000", 1}}});
  auto answerDelete = [&](int button) {
    WhenOpen([&, button] {
      WhenOpen([&, button] {
        EXPECT_STREQ(robot.Foreground()->GetQzClassName(), L"QzMessageBox");
        TapControl(button);
      });
      TapToolBar(TOOLBAR_BUTTON_MIDDLE);
      if (button == QZ_MB_CANCEL_ID) TapToolBar(TOOLBAR_BUTTON_LEFT);
    });
  };
  answerDelete(QZ_MB_CANCEL_ID);
  EXPECT_EQ(FastEditContact(nullptr, id), 0);
  EXPECT_EQ(ContactCount(), 1);
  answerDelete(QZ_MB_CONFIRM_ID);
  EXPECT_EQ(FastEditContact(nullptr, id), -1);
  EXPECT_EQ(ContactCount(), 0);

  WhenOpen([&] {
    auto* shown = dynamic_cast<CContactEditWnd*>(robot.Foreground());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->GetContactInfo().phoneNumbers.empty());
    TapToolBar(TOOLBAR_BUTTON_RIGHT);  // done without a name: nothing
    EXPECT_EQ(robot.Foreground(), shown);
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  EXPECT_EQ(FastEditContact(nullptr, id), 0) << "an identifier the store does not know";
  EXPECT_EQ(ContactCount(), 0);
}

TEST_F(EditorWindowTest, LongAndControlCharacterValuesAreStoredAsShown) {
  const std::wstring longName(10000, L'名');
  const std::wstring oddNumber = L"138	0013" L"8000";
  WhenOpen([&] { TapToolBar(TOOLBAR_BUTTON_RIGHT); });
  int id = FastNewContact(nullptr, EDIT_KIND_PHONE, oddNumber.c_str(), longName.c_str());
  ASSERT_GT(id, 0);
  CContactInfo stored = Stored(id);
  EXPECT_EQ(stored.firstName.view(), longName);
  ASSERT_EQ(stored.phoneNumbers.size(), 1);
  EXPECT_EQ(stored.phoneNumbers[0].value.view(), oddNumber);
  WhenOpen([&] {
    auto* shown = dynamic_cast<CContactEditWnd*>(robot.Foreground());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->GetContactInfo().phoneNumbers.empty() && shown->GetContactInfo().emails.empty());
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  EXPECT_EQ(FastNewContact(nullptr, 77, L"13800138000", nullptr), 0) << "another kind fills nothing";
}

}  // namespace
}  // namespace editor_test
