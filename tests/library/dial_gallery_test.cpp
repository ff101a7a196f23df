// The dialer as users see it: empty, and with a contact's number typed. Each
// test checks what the picture must show and saves it; the second is the
// README's picture of the dialer (docs/images/dialer.png).
#include "dial_fixture.h"

namespace dial_test {
namespace {

using vorna::test::DarkPixels;
using vorna::test::GalleryFile;

class DialGalleryTest : public DialWindowTest {};

TEST_F(DialGalleryTest, EmptyAndAKeyPressed) {
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("dialer_empty.png", false)));
  EXPECT_EQ(DarkPixels(0, kScreenTop + 34, 480, 98), 0) << "no number and no name";
  POINT five = KeyPoint(kKey5);
  int atRest = DarkPixels(five.x - 70, five.y - 40, 140, 80);
  Press(kKey5);
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("dialer_pressed.png", false)));
  EXPECT_NE(DarkPixels(five.x - 70, five.y - 40, 140, 80), atRest) << "the pressed key looks different";
  Release(kKey5);
  EXPECT_EQ(DarkPixels(five.x - 70, five.y - 40, 140, 80), atRest) << "and is back at rest when lifted";
}

TEST_F(DialGalleryTest, NumberOfAContact) {
  AddContact(L"Ann Lee", L"13800138000");
  Settings().InsertSpeedDialItem(2, 0, L"Mum", L"13900000002");
  Settings().InsertSpeedDialItem(9, 0, L"Taxi", L"95128");
  Reshow();
  Type(L"13800138000");
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("dialer.png")));
  EXPECT_GT(DarkPixels(0, kScreenTop + 34, 480, 72), 200) << "the number";
  EXPECT_GT(DarkPixels(0, kScreenTop + 106, 480, 26), 50) << "the owner's name";
}

}  // namespace
}  // namespace dial_test
