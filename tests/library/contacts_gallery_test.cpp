// Gallery pictures of the contacts book (written to docs/images with
// VORNA_UPDATE_GALLERY=1): the list with its letters, a search with the
// keyboard up, a contact's details and the groups list.
#include "contacts_fixture.h"

namespace contacts_test {
namespace {

TEST_F(ContactsWindowTest, GalleryPictures) {
  const wchar_t* names[] = {L"安娜", L"白雪", L"陈晨", L"丁一", L"方芳", L"高山", L"韩梅", L"江涛",
                            L"李四", L"刘洋", L"马丽", L"王芳", L"张三", L"张三丰", L"赵爽", L"周杰"};
  int phone = 0;
  for (const wchar_t* name : names)
    AddContact(name, {{(L"138001380" + std::to_wstring(10 + phone++)).c_str(), 0}}, {L"同事"});
  CContactInfo c;
  c.UpdateNameInfo(L"王", L"小明", L"星河科技");
  c.AddPhoneNumber(0, L"13912345678", 0, 1);
  c.AddPhoneNumber(0, L"010-62345678", 2, 0);
  c.AddEmail(0, L"xiaoming@example.com", 1);
  c.AddAddress(0, L"北京", L"中国", L"100080", L"北京市", L"中关村大街1号", 0);
  c.UpdateBirthday(L"19900517");
  c.AddToCategoris(L"家人");
  Db().AddContact(c);
  Start();
  EXPECT_TRUE(AlphabetBar().IsVisible());
  EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("contacts_list.png")));
  List().ScrollTo(LIST_SCROLL_TO_ITEM, RowOf(L"王小明"), FALSE);
  TapRow(RowOf(L"王小明"));
  ASSERT_EQ(wnd.GetMode(), MODE_DETAILS);
  EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("contacts_details.png")));
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("contacts_groups.png")));
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  TapControl(Control<UiButtonEx>(CContactWnd::kCountButtonId));
  robot.Type(L"zs");
  EXPECT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("contacts_search.png")));
}

}  // namespace
}  // namespace contacts_test
