// A window over the work area for the control tests, touches at client
// coordinates, the commands the window received, and pixel reads of
// screenshots.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "window_fixture.h"

namespace qzfc::test {

struct Shot {
  explicit Shot(const std::filesystem::path& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Shot() { cairo_surface_destroy(surface); }
  Shot(const Shot&) = delete;
  Shot& operator=(const Shot&) = delete;
  bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
  uint32_t at(int x, int y) const {
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface) +
                                       y * cairo_image_surface_get_stride(surface))[x] &
           0xFFFFFF;
  }
  cairo_surface_t* surface;
};

// 0xRRGGBB as a screenshot pixel reads, from a COLORREF.
inline uint32_t Pixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Whether two pixels differ by at most `tolerance` in every channel.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 40) {
  for (int shift : {0, 8, 16}) {
    int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

class ControlsTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Open(wnd);
    wnd.events.clear();
    top = QzGetWorkArea().top;
  }
  // Adds a control to the window and repaints.
  void Add(UiWin& ui) {
    wnd.AddUiWin(&ui);
    wnd.Invalidate(nullptr);
    robot.Settle();
  }
  // Touches at client coordinates of the window.
  void Tap(int x, int y) { robot.Tap(x, y + top); }
  void Drag(int x0, int y0, int x1, int y1, DWORD ms = 300, int steps = 10) {
    robot.Drag(x0, y0 + top, x1, y1 + top, ms, steps);
  }
  // The commands received since the last call: (wParam, lParam) pairs.
  std::vector<std::pair<WPARAM, LPARAM>> TakeCommands() {
    std::vector<std::pair<WPARAM, LPARAM>> out;
    for (const Event& e : wnd.events)
      if (e.what == "command") out.emplace_back(e.w, e.l);
    wnd.events.clear();
    return out;
  }
  std::filesystem::path Screenshot(const char* name) {
    auto path = std::filesystem::path(::testing::TempDir()) / name;
    EXPECT_TRUE(robot.SaveScreenshot(path));
    return path;
  }
  using Commands = std::vector<std::pair<WPARAM, LPARAM>>;
  RecordingWnd wnd;
  int top = 0;
};

}  // namespace qzfc::test
