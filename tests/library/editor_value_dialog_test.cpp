// The value dialog as a user drives it: each kind's texts, type buttons and
// keyboard, the save rule, the primary number, and the entries written to
// the store at once for a stored contact.
#include "contacts/editor/dialogs/CValueEditWnd.h"
#include "contacts/editor/dialogs/FieldEditKind.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

constexpr int kValue = CValueEditWnd::kValueFieldId;

class ValueDialogTest : public EditorTest {
 protected:
  // Opens the dialog on one entry of the record (-1: a new one).
  int Edit(int kind, CContactInfo& record, int index, const std::function<void()>& user) {
    CValueEditWnd dialog(kind, 1);
    dialog.SetContactInfo(&record);
    dialog.SetEntryIndex(index);
    return Run(dialog, user);
  }
  UiSlideBar& TypeBar() { return *robot.Find<UiSlideBar>(CValueEditWnd::kTypeBarId); }
  void TapType(int button) {
    const int width = 480 / TypeBar().GetButtonCount();
    robot.Tap(width * button + width / 2, kScreenTop + 34);
    robot.Advance(300);
  }
};

TEST_F(ValueDialogTest, EachKindHasItsTextsTypesAndKeyboard) {
  struct Case {
    int kind;
    const wchar_t* title;
    const wchar_t* tip;
    std::vector<std::wstring> types;
    qzfc::SipLayout keyboard;
  };
  const Case cases[] = {
      {EDIT_KIND_PHONE, L"编辑电话号码", L"电话号码", {L"手机", L"家庭", L"工作", L"传真", L"其它"},
       qzfc::SipLayout::Digits},
      {EDIT_KIND_EMAIL, L"编辑电子邮箱", L"邮件", {L"个人", L"工作", L"其它"}, qzfc::SipLayout::Email},
      {EDIT_KIND_WEB_PAGE, L"网页编辑", L"网址", {L"个人", L"工作", L"其它"}, qzfc::SipLayout::Web},
      {EDIT_KIND_MSN, L"MSN编辑", L"MSN", {L"个人", L"工作", L"其它"}, qzfc::SipLayout::Email},
      {EDIT_KIND_QQ, L"QQ编辑", L"QQ", {L"个人", L"工作", L"其它"}, qzfc::SipLayout::Digits},
  };
  CContactInfo record;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(Edit(c.kind, record, -1,
                   [&] {
                     EXPECT_STREQ(robot.Foreground()->GetWindowText(), c.title);
                     EXPECT_STREQ(Field(kValue).GetTip(), c.tip);
                     EXPECT_TRUE(Field(kValue).HasFocus());
                     EXPECT_EQ(qzfc::Sip::Instance().Layout(), c.keyboard);
                     std::vector<std::wstring> types;
                     for (int i = 0; i < TypeBar().GetButtonCount(); ++i) types.push_back(TypeBar().GetButtonText(i));
                     EXPECT_EQ(types, c.types);
                     EXPECT_EQ(TypeBar().GetHighLightButton(), 0);
                     EXPECT_FALSE(CanSave());
                     Save();  // disabled: nothing happens
                     Cancel();
                   }),
              2);
  }
  EXPECT_EQ(record.phoneNumbers.size() + record.emails.size() + record.webPages.size() + record.msnAccounts.size() +
                record.qqNumbers.size(),
            0);
}

TEST_F(ValueDialogTest, ChangingOnlyTheTypeSavesItAndKeepsTheNumber) {
  contactdata_test::AddContact(L"Ann", {{L"13800138000", 0}, {L"01012345678", 1}});
  CContactInfo record = Stored(db->SearchPN(L"13800138000", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  ASSERT_EQ(record.phoneNumbers.size(), 2);
  ASSERT_EQ(Edit(EDIT_KIND_PHONE, record, 1,
                 [&] {
                   EXPECT_EQ(Text(kValue), L"01012345678");
                   EXPECT_EQ(TypeBar().GetHighLightButton(), 1);
                   EXPECT_FALSE(CanSave());
                   TapType(2);
                   EXPECT_TRUE(CanSave());
                   TapType(1);
                   EXPECT_FALSE(CanSave()) << "back to the stored type";
                   TapType(2);
                   Save();
                 }),
            1);
  const CContactInfo stored = Stored(record.contactId);
  EXPECT_EQ(stored.phoneNumbers[1].value, L"01012345678");
  EXPECT_EQ(stored.phoneNumbers[1].type, 2);
  EXPECT_EQ(stored.phoneNumbers[1].primary, 0);
  EXPECT_EQ(stored.phoneNumbers[0].primary, 1) << "the primary number stays primary";
  EXPECT_EQ(record.phoneNumbers[1].type, 2);

  ASSERT_EQ(Edit(EDIT_KIND_PHONE, record, 0,
                 [&] {
                   robot.Char(8);
                   EXPECT_TRUE(CanSave());
                   robot.Char(27);
                   EXPECT_FALSE(CanSave()) << "an empty number";
                   robot.Type(L"13900139000");
                   Save();
                 }),
            1);
  EXPECT_EQ(Stored(record.contactId).phoneNumbers[0].value, L"13900139000");
  EXPECT_EQ(Stored(record.contactId).phoneNumbers[0].primary, 1);
}

TEST_F(ValueDialogTest, FirstNewNumberBecomesPrimaryAndTheNextDoesNot) {
  CContactInfo record = StoredContact(L"", L"Ann", L"");
  auto add = [&](const wchar_t* number, int type) {
    return Edit(EDIT_KIND_PHONE, record, -1, [&] {
      robot.Type(number);
      TapType(type);
      Save();
    });
  };
  ASSERT_EQ(add(L"13800138000", 3), 1);
  ASSERT_EQ(add(L"13900139000", 0), 1);
  const CContactInfo stored = Stored(record.contactId);
  ASSERT_EQ(stored.phoneNumbers.size(), 2);
  EXPECT_EQ(stored.phoneNumbers[0].value, L"13800138000");
  EXPECT_EQ(stored.phoneNumbers[0].type, 3);
  EXPECT_EQ(stored.phoneNumbers[0].primary, 1);
  EXPECT_EQ(stored.phoneNumbers[1].primary, 0);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(record.phoneNumbers[i].id, stored.phoneNumbers[i].id) << "the record knows the stored entry";
    EXPECT_EQ(record.phoneNumbers[i].primary, stored.phoneNumbers[i].primary);
  }
}

TEST_F(ValueDialogTest, NewValuesOfAStoredContactGetTheStoresIdentifiers) {
  CContactInfo record = StoredContact(L"", L"Ann", L"");
  ASSERT_EQ(Edit(EDIT_KIND_EMAIL, record, -1,
                 [&] {
                   robot.Type(L"ann@example.com");
                   TapType(1);
                   Save();
                 }),
            1);
  ASSERT_EQ(Edit(EDIT_KIND_QQ, record, -1,
                 [&] {
                   robot.Type(L"12345");
                   Save();
                 }),
            1);
  CContactInfo stored = Stored(record.contactId);
  ASSERT_EQ(stored.emails.size(), 1);
  EXPECT_EQ(stored.emails[0].value, L"ann@example.com");
  EXPECT_EQ(stored.emails[0].type, 1);
  EXPECT_GT(record.emails[0].id, 0);
  EXPECT_EQ(record.emails[0].id, stored.emails[0].id);
  ASSERT_EQ(stored.qqNumbers.size(), 1);
  EXPECT_EQ(record.qqNumbers[0].id, stored.qqNumbers[0].id);

  ASSERT_EQ(Edit(EDIT_KIND_EMAIL, record, 0,
                 [&] {
                   robot.Type(L".cn");
                   Save();
                 }),
            1);
  stored = Stored(record.contactId);
  ASSERT_EQ(stored.emails.size(), 1) << "an update, not another address";
  EXPECT_EQ(stored.emails[0].value, L"ann@example.com.cn");
}

TEST_F(ValueDialogTest, NewContactsValuesStayInTheRecord) {
  CContactInfo fresh;
  ASSERT_EQ(Edit(EDIT_KIND_WEB_PAGE, fresh, -1,
                 [&] {
                   robot.Type(L"example.com");
                   Save();
                 }),
            1);
  ASSERT_EQ(fresh.webPages.size(), 1);
  EXPECT_EQ(fresh.webPages[0].value, L"example.com");
  EXPECT_EQ(fresh.webPages[0].id, 0);
  EXPECT_EQ(ContactCount(), 0);
}

TEST_F(ValueDialogTest, LongAndOddTextIsStoredAsShown) {
  CContactInfo record = StoredContact(L"", L"Ann", L"");
  const std::wstring pasted = L"http://例子.cn/\t\r\n\x1B" + std::wstring(10000, L'a');
  std::wstring shown;
  ASSERT_EQ(Edit(EDIT_KIND_WEB_PAGE, record, -1,
                 [&] {
                   Paste(kValue, pasted);
                   shown = Text(kValue);
                   Save();
                 }),
            1);
  EXPECT_EQ(shown, L"http://例子.cn/" + std::wstring(10000, L'a'));
  EXPECT_EQ(Stored(record.contactId).webPages[0].value.str(), shown);
}

TEST_F(ValueDialogTest, BadArgumentsKeepTheDialogClosed) {
  CContactInfo record = StoredContact(L"", L"Ann", L"");
  EXPECT_EQ(Edit(EDIT_KIND_PHONE, record, 0, [] {}), 0) << "no such entry";
  EXPECT_EQ(Edit(EDIT_KIND_EMAIL, record, -2, [] {}), 0);
  EXPECT_EQ(Edit(EDIT_KIND_NOTE, record, -1, [] {}), 0) << "not a value kind";
  CValueEditWnd noRecord(EDIT_KIND_PHONE, 0);
  EXPECT_EQ(Run(noRecord, [] {}), 0);
}

// A type that has no button of its own is labelled as the first type
// everywhere; the dialog shows it so, and saving stores what it showed.
TEST_F(ValueDialogTest, UnknownTypeIsShownAndSavedAsTheFirst) {
  CContactInfo record;
  record.AddEmail(0, L"a@b.c", 7);
  ASSERT_EQ(Edit(EDIT_KIND_EMAIL, record, 0,
                 [&] {
                   EXPECT_EQ(TypeBar().GetHighLightButton(), 0);
                   robot.Type(L"d");
                   Save();
                 }),
            1);
  EXPECT_EQ(record.emails[0].type, 0);
  EXPECT_EQ(record.emails[0].value, L"a@b.cd");
}

}  // namespace
}  // namespace editor_test
