// The demo window through the robot on the headless screen, and the demo
// program on a real (virtual X) display through SDL.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DemoWnd.h"
#include "pixels.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

// Pixels in the rectangle that are neither white nor `background`.
int Ink(const Shot& png, const RECT& rc, uint32_t background = 0xFFFFFF) {
  return CountPixels(png.surface, rc, [&](uint32_t p) { return p != background && p != 0xFFFFFF; });
}

// What a user sees of the demo: a dark shell bar with the title, and every
// row with its avatar, name and number.
void ExpectDemoPicture(const Shot& png) {
  ASSERT_TRUE(png.ok());
  ASSERT_EQ(cairo_image_surface_get_width(png.surface), 480);
  ASSERT_EQ(cairo_image_surface_get_height(png.surface), 800);
  uint32_t bar = png.at(5, 5);
  EXPECT_LT(bar & 0xFF, 0x60);                           // dark
  EXPECT_GT(Ink(png, RECT{110, 0, 370, 80}, bar), 200);  // the title's letters
  for (int row = 0; row < demo::DemoWnd::kRows; ++row) {
    int top = 80 + row * demo::DemoWnd::kRowHeight;
    EXPECT_GT(Ink(png, RECT{12, top + 7, 68, top + 63}), 1000) << "avatar of row " << row;
    EXPECT_GT(Ink(png, RECT{84, top + 4, 464, top + 38}), 100) << "name of row " << row;
    EXPECT_GT(Ink(png, RECT{84, top + 40, 464, top + 66}), 50) << "number of row " << row;
  }
}

using DemoTest = ToolkitTest;

TEST_F(DemoTest, TappingRowsAndTheButtonSelectsAndClears) {
  demo::DemoWnd wnd;
  RECT wa = QzGetWorkArea();
  ASSERT_TRUE(wnd.Create(wa.left, wa.top, 480, 720, nullptr, 0, 0, 0));
  wnd.Show(TRUE);
  robot.Tap(240, 80 + 2 * 70 + 35);
  EXPECT_EQ(wnd.Selected(), 2);
  // A finger that slides off a row is no tap.
  robot.Drag(240, 80 + 5 * 70 + 35, 240, 80 + 7 * 70 + 35);
  EXPECT_EQ(wnd.Selected(), 2);
  auto shot = std::filesystem::path(::testing::TempDir()) / "qzfc_demo_selected.png";
  ASSERT_TRUE(robot.SaveScreenshot(shot));
  Shot png(shot);
  ExpectDemoPicture(png);
  EXPECT_GT(Ink(png, RECT{0, 80 + 630, 480, 80 + 659}), 50);  // "Selected: ..." status line
  robot.Tap(240, 800 - 35);
  EXPECT_EQ(wnd.Selected(), -1);
  EXPECT_EQ(wnd.Commands(), 2);
  EXPECT_STREQ(Screen::Get().Foreground()->GetWindowText(), L"Toolkit demo");
}

TEST(DemoUnderXvfb, ScreenshotThroughSdlShowsTheDemo) {
  if (vorna::test::RunProgram("/bin/sh", {"-c", "command -v xvfb-run >/dev/null"}) != 0)
    GTEST_SKIP() << "xvfb-run is not installed";
  vorna::test::TempDeviceRoot root;
  auto shot = root.path() / "sdl.png";
  setenv("SDL_VIDEODRIVER", "x11", 1);
  int rc = vorna::test::RunProgram(
      "/usr/bin/env", {"xvfb-run", "-a", (vorna::test::BuiltProgramsDir() / "qzfc_demo").string(), "--screenshot",
                       shot.string(), "--quit-after", "300"});
  ASSERT_EQ(rc, 0) << "qzfc_demo under xvfb-run failed (2: SDL could not open a window)";
  ExpectDemoPicture(Shot(shot));
}

}  // namespace
}  // namespace qzfc::test
