// The contact editor as users see it, for the README: the editor of a full
// contact, the address dialog, the birthday picker, the group picker (the
// blacklist chosen, the other groups greyed) and the value dialog (a number
// typed, its type chosen).
#include "contacts/editor/AddressEditWnd.h"
#include "contacts/editor/dialogs/CValueEditWnd.h"
#include "contacts/editor/dialogs/FieldEditKind.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

using vorna::test::DarkPixels;
using vorna::test::GalleryFile;

TEST_F(EditorTest, GalleryFullContactAddressDialogAndBirthdayPicker) {
  st_address_Info home = Address(L"中国", L"深圳", L"深南大道1号", L"518000");
  home.province = L"广东";
  int id = StoreContact({.numbers = {{L"13800138000", 1}, {L"075583765566", 0}},
                         .emails = {L"ann.lee@example.com"},
                         .addresses = {home},
                         .birthday = L"19800229",
                         .note = L"喜欢喝茶"});
  CContactInfo record = Stored(id);
  record.AddQQ(0, L"10001", 0);
  CContactsDbIf::GetContactDbIf()->addExtraInfo(id, EXTRA_QQ, record.qqNumbers[0]);
  CContactsDbIf::GetContactDbIf()->UpdateCategories(record, {CContactsDbIf::GetContactDbIf()->AddGroup(L"朋友")});
  OpenEditor(EDIT_MODE_EDIT, id);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("editor_contact.png")));
  EXPECT_GT(DarkPixels(200, kScreenTop + 60, 200, 40), 100) << "the name in the header";

  WhenOpen([&] {
    Fill(CAddressEditWnd::kStreetId, L"深南大道2号");
    ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("editor_address.png")));
    TapToolBar(TOOLBAR_BUTTON_LEFT);
  });
  TapRow(Row(EDIT_ROW_ADDRESS), 200);
  WhenOpen([&] {
    ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("editor_birthday.png")));
    TapControl(QZ_DAILY_CANCEL_ID);
  });
  TapRow(Row(EDIT_ROW_BIRTHDAY), 200);
  EXPECT_STREQ(Stored(id).addresses[0].street.c_str(), L"深南大道1号") << "the dialog was cancelled";
}

TEST_F(EditorTest, GalleryGroupPickerWithTheBlacklistChosen) {
  for (const wchar_t* name : {L"家人", L"朋友", L"同事", L"同学"}) db->AddGroup(name);
  CQzWndEx host;
  UiListGroupPicker picker;
  UiToolBarPro toolBar;
  Open(host);
  host.SetWindowText(L"组别");
  picker.SetPos(0, 0, 480, host.GetHeight() - UiToolBarPro::kHeight);
  picker.LoadGroups(false);
  picker.SetGroupChosen(db->GetGroupID(L"朋友"));
  host.AddUiWin(&picker);
  toolBar.SetPos(0, host.GetHeight() - UiToolBarPro::kHeight, 480, UiToolBarPro::kHeight);
  toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, L"返回");
  host.AddUiWin(&toolBar);
  host.Invalidate();
  robot.Settle();
  robot.Tap(240, kScreenTop + 82 * 4 + 41);
  ASSERT_TRUE(picker.IsBlacklistChosen());
  EXPECT_TRUE(robot.SaveScreenshot(GalleryFile("group_picker.png")));
  host.RemoveUiWin(&toolBar);
  host.RemoveUiWin(&picker);
  host.DestroyWindow();
}

TEST_F(EditorTest, GalleryValueDialog) {
  CContactInfo record = StoredContact(L"李", L"安", L"");
  CValueEditWnd dialog(EDIT_KIND_PHONE, 1);
  dialog.SetContactInfo(&record);
  dialog.SetEntryIndex(-1);
  EXPECT_EQ(Run(dialog,
                [&] {
                  robot.Type(L"010-62345678");
                  robot.Tap(96 * 1 + 48, kScreenTop + 34);
                  robot.Advance(300);
                  EXPECT_TRUE(CanSave());
                  EXPECT_TRUE(robot.SaveScreenshot(GalleryFile("value_dialog.png")));
                  Cancel();
                }),
            2);
}

}  // namespace
}  // namespace editor_test
