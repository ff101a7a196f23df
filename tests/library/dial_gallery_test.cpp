// The dialer as users see it: a key's pressed look, and a contact's number
// typed, which is the README's picture of the dialer (docs/images/dialer.png).
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

}  // namespace
}  // namespace dial_test
