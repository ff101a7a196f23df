// A window over the work area for the control tests, touches at client
// coordinates and the commands the window received.
#pragma once

#include <vector>

#include "pixels.h"
#include "window_fixture.h"

namespace qzfc::test {

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
    auto out = wnd.Params("command");
    wnd.events.clear();
    return out;
  }
  // The settled screen's pixel at client coordinates, and how many pixels of
  // a client rectangle are near `colour`.
  uint32_t At(int x, int y) {
    robot.Settle();
    return ScreenPixel(x, y + top);
  }
  int Ink(RECT rc, uint32_t colour) {
    robot.Settle();
    rc.top += top;
    rc.bottom += top;
    return ScreenInk(rc, colour);
  }
  using Commands = std::vector<std::pair<WPARAM, LPARAM>>;
  RecordingWnd wnd;
  int top = 0;
};

}  // namespace qzfc::test
