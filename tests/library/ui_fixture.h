// A fresh device root and a robot on the headless screen whose stalls fail
// the test, for the library's window tests; and the screen's pixels.
#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/ToolkitContract.h"
#include "qzfc/Robot.h"
#include "qzfc/Screen.h"
#include "temp_root.h"

namespace vorna::test {

// Screen y of a window's client y (windows start below the shell bar).
constexpr int kScreenTop = qzfc::Screen::kShellBarHeight;

class LibraryUiTest : public ::testing::Test {
 protected:
  LibraryUiTest() {
    robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
  }
  // Creates a window over the work area, shown.
  void Open(CQzWnd& wnd) {
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0));
    wnd.Show(TRUE);
    robot.Settle();
  }

  TempDeviceRoot root;
  qzfc::Robot robot;
};

// A pixel of a Cairo image surface as 0x00BBGGRR, like a COLORREF.
inline COLORREF SurfacePixel(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  uint32_t argb = *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s) + x * 4);
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

inline COLORREF ScreenPixel(int x, int y) { return SurfacePixel(qzfc::Screen::Get().Surface(), x, y); }

}  // namespace vorna::test
