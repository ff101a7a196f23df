// The dialer as users see it: empty, and with a contact's number typed. Each
// test checks what the picture must show and saves it; with
// VORNA_UPDATE_GALLERY set the second goes to the README's gallery
// (docs/images/dialer.png), otherwise both go to the temporary folder.
#include <cairo.h>

#include <cstdlib>
#include <filesystem>

#include "dial_fixture.h"
#include "qzfc/Screen.h"

namespace dial_test {
namespace {

// The source tree's docs/images. A relative __FILE__ is relative to the build
// folder, the parent of the folder holding this program.
std::filesystem::path GalleryDir() {
  std::filesystem::path source = std::filesystem::path(__FILE__).parent_path();
  if (source.is_relative())
    source = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / source;
  return source / "../../docs/images";
}

std::filesystem::path GalleryFile(const std::string& name, bool gallery) {
  if (gallery && std::getenv("VORNA_UPDATE_GALLERY")) return GalleryDir() / name;
  return std::filesystem::temp_directory_path() / ("vorna_" + name);
}

// How many pixels of the screen rectangle are dark (text), of at most w x h.
int DarkPixels(int left, int top, int width, int height) {
  cairo_surface_t* s = qzfc::Screen::Get().Surface();
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  int dark = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      uint32_t argb = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
      if (((argb >> 16) & 0xFF) < 96 && ((argb >> 8) & 0xFF) < 96 && (argb & 0xFF) < 96) ++dark;
    }
  return dark;
}

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
  ASSERT_TRUE(robot.SaveScreenshot(GalleryFile("dialer.png", true)));
  EXPECT_GT(DarkPixels(0, kScreenTop + 34, 480, 72), 200) << "the number";
  EXPECT_GT(DarkPixels(0, kScreenTop + 106, 480, 26), 50) << "the owner's name";
}

}  // namespace
}  // namespace dial_test
