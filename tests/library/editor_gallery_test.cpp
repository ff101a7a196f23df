// The contact editor as users see it, for the README: the editor of a full
// contact, the address dialog and the birthday picker.
#include "contacts/editor/AddressEditWnd.h"
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

}  // namespace
}  // namespace editor_test
