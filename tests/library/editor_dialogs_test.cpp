// The name and note dialogs as a user drives them: their save rules, and
// the write-at-once rule checked in the store after the dialog returned.
#include "contacts/editor/dialogs/CNameEditWnd.h"
#include "contacts/editor/dialogs/CNoteEditWnd.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

constexpr int kFamily = CNameEditWnd::kFamilyNameFieldId;
constexpr int kGiven = CNameEditWnd::kGivenNameFieldId;
constexpr int kCompany = CNameEditWnd::kCompanyFieldId;
constexpr int kNote = CNoteEditWnd::kNoteFieldId;

TEST_F(EditorTest, NameDialogSavesAStoredContactWhenItReturns) {
  CContactInfo record = StoredContact(L"李", L"安", L"Acme");
  int result = RunOn<CNameEditWnd>(record, [&] {
    EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"编辑姓名");
    EXPECT_EQ(Text(kFamily), L"李");
    EXPECT_EQ(Text(kGiven), L"安");
    EXPECT_EQ(Text(kCompany), L"Acme");
    EXPECT_TRUE(Field(kFamily).HasFocus());
    EXPECT_EQ(qzfc::Sip::Instance().Layout(), qzfc::SipLayout::Pinyin);
    EXPECT_FALSE(CanSave());
    Retype(kFamily, L"王");
    EXPECT_TRUE(CanSave());
    Retype(kFamily, L"李");
    EXPECT_FALSE(CanSave()) << "back to what is stored";
    for (int id : {kFamily, kGiven, kCompany}) Retype(id, L"");
    EXPECT_FALSE(CanSave()) << "all three empty";
    Retype(kGiven, L"Bo");
    EXPECT_TRUE(CanSave());
    Save();
  });
  ASSERT_EQ(result, 1);
  const CContactInfo stored = Stored(record.contactId);
  EXPECT_EQ(stored.lastName, L"");
  EXPECT_EQ(stored.firstName, L"Bo");
  EXPECT_EQ(stored.company, L"");
  EXPECT_EQ(stored.fileAs, L"Bo");
  EXPECT_EQ(record.fileAs, L"Bo");
  EXPECT_FALSE(qzfc::Sip::Instance().IsVisible());
}

TEST_F(EditorTest, NameDialogLeavesTheStoreAloneForANewContactAndOnCancel) {
  CContactInfo fresh;
  ASSERT_EQ(RunOn<CNameEditWnd>(fresh,
                                [&] {
                                  Retype(kGiven, L"安");
                                  Save();
                                }),
            1);
  EXPECT_EQ(fresh.firstName, L"安");
  EXPECT_EQ(ContactCount(), 0) << "a new contact reaches the store only when the editor saves";

  CContactInfo stored = StoredContact(L"", L"Ann", L"");
  ASSERT_EQ(RunOn<CNameEditWnd>(stored,
                                [&] {
                                  Retype(kGiven, L"Bo");
                                  Cancel();
                                }),
            2);
  EXPECT_EQ(stored.firstName, L"Ann");
  EXPECT_EQ(Stored(stored.contactId).firstName, L"Ann");
}

// Names hold at most 31 characters, the company any number; what is saved
// reads back as the fields showed it, control characters dropped.
TEST_F(EditorTest, NameDialogStoresLongAndOddTextAsShown) {
  CContactInfo record = StoredContact(L"", L"Ann", L"");
  const std::wstring longText(10000, L'字');
  std::wstring shownFamily, shownCompany;
  ASSERT_EQ(RunOn<CNameEditWnd>(record,
                                [&] {
                                  Paste(kFamily, L"Tab\there\r\nand\x01" + longText);
                                  Paste(kCompany, longText + L"\x7F!");
                                  shownFamily = Text(kFamily);
                                  shownCompany = Text(kCompany);
                                  Save();
                                }),
            1);
  EXPECT_EQ(shownFamily, L"Tabhereand" + std::wstring(21, L'字'));
  EXPECT_EQ(shownCompany, longText + L"!");
  const CContactInfo stored = Stored(record.contactId);
  EXPECT_EQ(stored.lastName.str(), shownFamily);
  EXPECT_EQ(stored.company.str(), shownCompany);
}

TEST_F(EditorTest, NoteDialogSavesOnlyANewNonEmptyNote) {
  CContactInfo record = StoredContact(L"", L"Ann", L"");
  record.UpdateRemark(L"old");
  ASSERT_TRUE(db->UpdateNotes(record.contactId, L"old"));
  ASSERT_EQ(RunOn<CNoteEditWnd>(record,
                [&] {
                  EXPECT_STREQ(robot.Foreground()->GetWindowText(), L"备注编辑");
                  EXPECT_EQ(Text(kNote), L"old");
                  EXPECT_EQ(qzfc::Sip::Instance().Layout(), qzfc::SipLayout::Pinyin);
                  EXPECT_FALSE(CanSave());
                  robot.Char(27);
                  EXPECT_FALSE(CanSave()) << "a note is not emptied here";
                  robot.Type(L"old");
                  EXPECT_FALSE(CanSave()) << "the note as stored";
                  robot.Type(L"\rline two");
                  EXPECT_TRUE(CanSave());
                  Save();
                }),
            1);
  EXPECT_EQ(record.note, L"old\nline two");
  EXPECT_EQ(Stored(record.contactId).note, L"old\nline two");
  EXPECT_FALSE(qzfc::Sip::Instance().IsVisible());

  ASSERT_EQ(RunOn<CNoteEditWnd>(record,
                                [&] {
                                  robot.Type(L"!");
                                  Cancel();
                                }),
            2);
  EXPECT_EQ(Stored(record.contactId).note, L"old\nline two");
}

TEST_F(EditorTest, DialogsWithoutARecordDoNotOpen) {
  CNameEditWnd name;
  CNoteEditWnd note;
  EXPECT_EQ(Run(name, [] {}), 0);
  EXPECT_EQ(Run(note, [] {}), 0);
}

}  // namespace
}  // namespace editor_test
