// The editor's field list as a finger uses it: which rows a record gives,
// the primary-number star, the two-tap delete and the collapse of a deleted
// row on the virtual clock, checked in the record and in the store.
#include "contacts/editor/ContactEditRows.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

constexpr int kStarX = 40, kNumberX = 200, kDeleteX = 430, kValueX = 200;

TEST(EditorRows, AddressReadsCountryCityStreetAndPostcodeOnTheirOwnLines) {
  EXPECT_EQ(ComposeAddress(Address(L"", L"", L"Main St 1", L"")), L"Main St 1");
  EXPECT_EQ(ComposeAddress(Address(L"China", L"", L"", L"518000")), L"China\r\n518000");
  st_address_Info full = Address(L"中国", L"深圳", L"深南大道1号", L"518000");
  full.province = L"广东";
  EXPECT_EQ(ComposeAddress(full), L"中国广东深圳\r\n深南大道1号\r\n518000");
  EXPECT_EQ(ComposeAddress(Address(L"", L"", L"", L"")), L"");
}

TEST(EditorRows, ZonesSplitEachRowKindWhereItsPartsAre) {
  const int rows[][3] = {{EDIT_ROW_HEADER, 199, 0},     {EDIT_ROW_HEADER, 200, 1},      {EDIT_ROW_HEADER, 374, kNoZone},
                         {EDIT_ROW_PHONE, 79, 0},       {EDIT_ROW_PHONE, 373, 1},       {EDIT_ROW_PHONE, 374, 2},
                         {EDIT_ROW_ADD_BUTTONS, 240, 1}, {EDIT_ROW_RING, 470, 0},        {EDIT_ROW_NOTE, 374, 1},
                         {EDIT_ROW_GAP, 10, kNoZone}};
  for (const auto& [kind, x, zone] : rows) EXPECT_EQ(EditRowZone(kind, x), zone) << kind << " at " << x;
}

class FieldListTest : public EditorTest {
 protected:
  // Two taps on a row's delete button, and the time for the row to collapse.
  void DeleteRow(int row) {
    TapRow(row, kDeleteX);
    TapRow(row, kDeleteX);
    robot.Advance(1000);
  }
};

TEST_F(FieldListTest, RowsFollowTheRecordAndAddItemModeHasNoAddButtons) {
  int id = StoreContact({.numbers = {{L"13800138000", 1}, {L"0755123456", 0}},
                         .emails = {L"ann@example.com"},
                         .addresses = {Address(L"China", L"", L"", L"518000")},
                         .birthday = L"19800229",
                         .note = L"likes tea"});
  CContactInfo record = Stored(id);
  record.AddQQ(0, L"10001", 0);
  record.AddWebPage(0, L"example.com", 0);
  CContactsDbIf::GetContactDbIf()->addExtraInfo(id, EXTRA_QQ, record.qqNumbers[0]);
  CContactsDbIf::GetContactDbIf()->addExtraInfo(id, EXTRA_WEB_PAGE, record.webPages[0]);
  OpenEditor(EDIT_MODE_EDIT, id);
  EXPECT_EQ(RowKinds(), (std::vector<int>{EDIT_ROW_HEADER, EDIT_ROW_ADD_BUTTONS, EDIT_ROW_PHONE, EDIT_ROW_PHONE,
                                          EDIT_ROW_EMAIL, EDIT_ROW_QQ, EDIT_ROW_WEB_PAGE, EDIT_ROW_ADDRESS,
                                          EDIT_ROW_NOTE, EDIT_ROW_BIRTHDAY, EDIT_ROW_RING, EDIT_ROW_GROUPS}));
  EXPECT_EQ(List().CalcItemHeight(0), 186);
  EXPECT_GT(List().CalcItemHeight(Row(EDIT_ROW_ADDRESS)), 82) << "two lines of address";
  EXPECT_STREQ(List().GetItem(Row(EDIT_ROW_RING))->text.c_str(), L"默认");
  editor.DestroyWindow();

  OpenEditor(EDIT_MODE_ADD_ITEM, id);
  EXPECT_EQ(Row(EDIT_ROW_ADD_BUTTONS), -1);
  const int email = Row(EDIT_ROW_EMAIL);
  TapRow(email, kDeleteX);
  TapRow(email, kDeleteX);
  EXPECT_EQ(List().GetArmedRow(), -1) << "no zones of its own in add-item mode";
  EXPECT_EQ(Stored(id).emails.size(), 1);
}

TEST_F(FieldListTest, TappingAStarMovesThePrimaryMarkInRecordAndStore) {
  int id = StoreContact({.numbers = {{L"13800138000", 0}, {L"13900139000", 1}}});
  OpenEditor(EDIT_MODE_EDIT, id);
  std::wstring opened;
  WhenOpen([&] {
    opened = robot.Foreground()->GetWindowText();
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  TapRow(Row(EDIT_ROW_PHONE, 0), kNumberX);  // zone 1 of a number: its dialog, not the star
  EXPECT_EQ(opened, L"编辑电话号码");
  EXPECT_EQ(editor.GetContactInfo().GetPrimaryPhoneNumber(), 1);
  TapRow(Row(EDIT_ROW_PHONE, 0), kStarX);
  EXPECT_EQ(editor.GetContactInfo().GetPrimaryPhoneNumber(), 0);
  CContactInfo stored = Stored(id);
  EXPECT_EQ(stored.phoneNumbers[0].primary, 1);
  EXPECT_EQ(stored.phoneNumbers[1].primary, 0);
  TapRow(Row(EDIT_ROW_PHONE, 0), kStarX);
  EXPECT_EQ(Stored(id).phoneNumbers[0].primary, 1) << "tapping the primary star again changes nothing";
}

TEST_F(FieldListTest, DeleteNeedsTwoTapsAndAnyOtherTapOrDragCancelsIt) {
  int id = StoreContact({.numbers = {{L"13800138000", 1}}, .emails = {L"a@example.com", L"b@example.com"}});
  OpenEditor(EDIT_MODE_EDIT, id);
  const int first = Row(EDIT_ROW_EMAIL, 0);
  TapRow(first, kDeleteX);
  EXPECT_EQ(List().GetArmedRow(), first);
  WhenOpen([&] { TapToolBar(TOOLBAR_BUTTON_LEFT); });  // the e-mail's dialog, cancelled
  TapRow(Row(EDIT_ROW_EMAIL, 1), kValueX);
  EXPECT_EQ(List().GetArmedRow(), -1);
  TapRow(first, kDeleteX);
  RECT rc = List().GetItemRect(first);
  robot.Drag(200, kScreenTop + rc.bottom + 40, 200, kScreenTop + rc.bottom + 140);
  robot.Advance(1000);
  EXPECT_EQ(List().GetArmedRow(), -1) << "scrolling disarms";
  TapRow(Row(EDIT_ROW_EMAIL, 1), kDeleteX);
  TapRow(first, kDeleteX);
  EXPECT_EQ(List().GetArmedRow(), first) << "the second button armed instead";
  EXPECT_EQ(Stored(id).emails.size(), 2) << "nothing deleted while only armed";

  TapRow(first, kDeleteX);
  EXPECT_EQ(editor.GetContactInfo().emails.size(), 1);
  EXPECT_STREQ(editor.GetContactInfo().emails[0].value.c_str(), L"b@example.com");
  CContactInfo stored = Stored(id);
  ASSERT_EQ(stored.emails.size(), 1);
  EXPECT_STREQ(stored.emails[0].value.c_str(), L"b@example.com");
}

TEST_F(FieldListTest, DeletedRowShrinksByAQuarterEvery50Milliseconds) {
  int id = StoreContact({.numbers = {{L"13800138000", 1}}, .emails = {L"a@example.com"}});
  OpenEditor(EDIT_MODE_EDIT, id);
  const int row = Row(EDIT_ROW_EMAIL);
  const int rowsBefore = List().GetItemCount();
  const int contentBefore = List().CalcContentHeight();
  TapRow(row, kDeleteX);
  RECT rc = List().GetItemRect(row);
  robot.Tap(kDeleteX, kScreenTop + (rc.top + rc.bottom) / 2);
  std::vector<int> heights{List().GetCollapsingHeight()};
  while (List().GetCollapsingItem() >= 0 && heights.size() < 40) {
    robot.Advance(50);
    heights.push_back(List().GetCollapsingHeight());
  }
  EXPECT_EQ(heights, (std::vector<int>{82, 61, 45, 33, 24, 18, 13, 9, 6, 4, 3, 2, 0}));
  EXPECT_EQ(List().GetItemCount(), rowsBefore - 1) << "the gap is gone when the row has shrunk";
  EXPECT_EQ(List().CalcContentHeight(), contentBefore - 82);
  EXPECT_EQ(List().GetRowKind(row), EDIT_ROW_RING) << "the rows below moved up";
}

TEST_F(FieldListTest, DeletingThePrimaryNumberMakesTheFirstRemainingOnePrimary) {
  int id = StoreContact({.numbers = {{L"13800138000", 0}, {L"13900139000", 0}, {L"13700137000", 1}}});
  OpenEditor(EDIT_MODE_EDIT, id);
  DeleteRow(Row(EDIT_ROW_PHONE, 2));
  CContactInfo stored = Stored(id);
  ASSERT_EQ(stored.phoneNumbers.size(), 2);
  EXPECT_EQ(stored.GetPrimaryPhoneNumber(), 0);
  EXPECT_STREQ(stored.phoneNumbers[0].value.c_str(), L"13800138000");
  EXPECT_EQ(editor.GetContactInfo().GetPrimaryPhoneNumber(), 0);
}

TEST_F(FieldListTest, NoteAndBirthdayDeleteToEmptyAndANewContactKeepsAllInMemory) {
  int id = StoreContact({.birthday = L"19800229", .note = L"likes tea"});
  OpenEditor(EDIT_MODE_EDIT, id);
  for (int kind : {EDIT_ROW_NOTE, EDIT_ROW_BIRTHDAY}) {
    DeleteRow(Row(kind));
    EXPECT_EQ(Row(kind), -1);
  }
  EXPECT_TRUE(Stored(id).note.empty());
  EXPECT_TRUE(Stored(id).birthday.empty());
  editor.DestroyWindow();

  CContactEditWnd fresh;
  fresh.SetMode(EDIT_MODE_NEW);
  fresh.GetContactInfo().AddPhoneNumber(0, L"13800138000", 0, 1);
  fresh.GetContactInfo().AddPhoneNumber(0, L"13900139000", 0, 0);
  Open(fresh);
  RECT rc = fresh.GetFieldList()->GetItemRect(3);
  robot.Tap(kStarX, kScreenTop + (rc.top + rc.bottom) / 2);
  EXPECT_EQ(fresh.GetContactInfo().GetPrimaryPhoneNumber(), 1);
  fresh.DestroyWindow();
  EXPECT_EQ(ContactCount(), 1) << "an unsaved contact never reaches the store";
}

}  // namespace
}  // namespace editor_test
