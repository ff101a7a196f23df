// The dialer as users see it: a key's pressed look, a contact's number
// typed, which is the README's picture of the dialer (docs/images/dialer.png),
// and the contacts that a name's keys find (dialer_smart_dial_*.png).
#include "dial_fixture.h"

namespace dial_test {
namespace {

using vorna::test::DarkPixels;

TEST_F(DialWindowTest, GalleryPressedKeyAndTheNumberOfAContact) {
  EXPECT_EQ(DarkPixels(0, kScreenTop + 34, 480, 98), 0) << "no number and no name";
  const POINT five = KeyPoint(kKey5);
  auto keyLook = [&] { return DarkPixels(five.x - 70, five.y - 40, 140, 80); };
  const int atRest = keyLook();
  Press(kKey5);
  EXPECT_NE(keyLook(), atRest) << "the pressed key looks different";
  Release(kKey5);
  EXPECT_EQ(keyLook(), atRest) << "and is back at rest when lifted";

  AddContact(L"Ann Lee", {{L"13800138000", 0}});
  Settings().InsertSpeedDialItem(2, 0, L"Mum", L"13900000002");
  Settings().InsertSpeedDialItem(9, 0, L"Taxi", L"95128");
  Reshow();  // takes in the speed-dial names and empties the field
  Type(L"13800138000");
  ASSERT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("dialer.png")));
  EXPECT_GT(DarkPixels(0, kScreenTop + 34, 480, 72), 200) << "the number";
  EXPECT_GT(DarkPixels(0, kScreenTop + 106, 480, 26), 50) << "the owner's name";
}

TEST_F(DialWindowTest, GallerySmartDialFindsNamesByTheirKeys) {
  const std::pair<const wchar_t*, const wchar_t*> book[] = {
      {L"张伟", L"13800001111"},     {L"赵文", L"13912345678"},     {L"周伟", L"13687654321"},
      {L"王芳", L"13900002222"},     {L"Bob Clark", L"13131842958"}, {L"Alice Barker", L"13700004444"},
      {L"Claire Jones", L"15925000011"}, {L"Blake Lee", L"18601234567"}, {L"Alan Kim", L"13522558800"},
  };
  for (const auto& [name, number] : book) AddContact(name, {{number, 0}});
  Type(L"99");
  ASSERT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("dialer_smart_dial_pinyin.png")));
  int ink = 0;  // the name is drawn in blue, the number in grey
  for (int y = kScreenTop + 132; y < kScreenTop + 160; ++y)
    for (int x = 0; x < 480; ++x) ink += GetRValue(vorna::test::ScreenPixel(x, y)) < 160;
  EXPECT_GT(ink, 100) << "张伟 in the strip above the keypad";
  Tap(kClear);
  Type(L"25");
  robot.Drag(240, kScreenTop + 147, 240, kScreenTop + 500);  // folds the keypad away
  robot.Advance(1000);
  ASSERT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("dialer_smart_dial_latin.png")));
  EXPECT_GT(DarkPixels(0, kScreenTop + 200, 480, 300), 500) << "rows where the keypad was";
}

}  // namespace
}  // namespace dial_test
