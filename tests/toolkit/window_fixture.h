// Small windows and controls that record what reaches them, a robot that
// reports stalls as test failures, the fixtures built on them, and where the
// README's gallery pictures go.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "pixels.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/Robot.h"
#include "qzfc/UiSingleLineEdit.h"
#include "qzfc/UiWin.h"
#include "qzfc/WinApi.h"
#include "temp_root.h"

namespace qzfc::test {

struct Event {
  std::string what;
  WPARAM w = 0;
  LPARAM l = 0;
};

class RecordingWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"RecordingWnd"; }
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == WM_SHOWWINDOW) events.push_back({"show", w, l});
    if (msg == QZ_WM_ACTIVATE) events.push_back({"activate", w, l});
    if (msg == QZ_WM_BUTTON_NOTIFY) events.push_back({"button", w, l});
    // For WM_USER messages: w is the message, l its wParam.
    if (msg >= WM_USER && msg < WM_APP) events.push_back({"user", msg, static_cast<LPARAM>(w)});
    if (msg == registered && registered) events.push_back({"registered", w, l});
    return CQzWndEx::QzDefWndProc(msg, w, l);
  }
  LRESULT OnQzCommand(WPARAM w, LPARAM l) override {
    events.push_back({"command", w, l});
    return 0;
  }
  LRESULT OnTimer(UINT_PTR id) override {
    events.push_back({"timer", id, 0});
    return CQzWndEx::OnTimer(id);
  }
  BOOL OnInitDialog() override {
    if (!CQzWndEx::OnInitDialog()) return FALSE;
    return initResult;
  }
  // The names of the recorded events, in order.
  std::vector<std::string> Names() const {
    std::vector<std::string> n;
    for (auto& e : events) n.push_back(e.what);
    return n;
  }
  // The recorded events named `what`, as (wParam, lParam) pairs.
  std::vector<std::pair<WPARAM, LPARAM>> Params(const std::string& what) const {
    std::vector<std::pair<WPARAM, LPARAM>> p;
    for (auto& e : events)
      if (e.what == what) p.emplace_back(e.w, e.l);
    return p;
  }
  std::vector<Event> events;
  BOOL initResult = TRUE;
  UINT registered = 0;
};

class RecordingControl : public UiWin {
 public:
  LRESULT OnLButtonDown(UINT f, int x, int y) override {
    log.push_back("down");
    return UiWin::OnLButtonDown(f, x, y);
  }
  LRESULT OnLButtonDblClk(UINT f, int x, int y) override {
    log.push_back("dblclk");
    return UiWin::OnLButtonDblClk(f, x, y);
  }
  LRESULT OnLButtonUp(UINT f, int x, int y) override {
    log.push_back(IsMouseMoved() ? "up-moved" : "up");
    return UiWin::OnLButtonUp(f, x, y);
  }
  LRESULT OnMouseMove(UINT f, int x, int y) override {
    log.push_back("move");
    return UiWin::OnMouseMove(f, x, y);
  }
  LRESULT OnChar(WPARAM ch, LPARAM) override {
    typed += static_cast<wchar_t>(ch);
    return 0;
  }
  LRESULT OnTimer(UINT_PTR id) override {
    log.push_back("timer");
    return 0;
  }
  void OnPressedHoldTimeup() override { log.push_back("hold"); }
  std::vector<std::string> log;
  std::wstring typed;
};

// A rectangle's edges, comparable and printable.
using Edges = std::array<LONG, 4>;
inline Edges EdgesOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A fresh device root and a robot whose stalls fail the test.
class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest() {
    robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
    // The clock runs on across the tests of one process: start a second
    // after the last test's touches, so that none makes a double tap with them.
    robot.Advance(1000);
  }
  // Creates a window over the work area, shown.
  void Open(RecordingWnd& wnd) {
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0));
    wnd.Show(TRUE);
    robot.Settle();
  }
  vorna::test::TempDeviceRoot root;
  Robot robot;
};

// A window over the work area for controls: touches at its client
// coordinates, the commands it received, the pixels it shows.
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

struct Change {
  WPARAM id;
  UINT code;
  UINT extra;
  bool operator==(const Change&) const = default;
};

// Records the edit notifications (`message`) as changes.
class EditWnd : public RecordingWnd {
 public:
  explicit EditWnd(UINT message = 0xFFF10045u) : message_(message) {}
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == message_) {
      changes.push_back({w, LOWORD(l), HIWORD(l)});
      return 0;
    }
    return RecordingWnd::QzDefWndProc(msg, w, l);
  }
  std::vector<Change> changes;

 private:
  UINT message_;
};

// Single-line fields 2 and 3, one above the other, in an EditWnd.
class TwoFieldsTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Open(wnd);
    for (int i = 0; i < 2; ++i) {
      fields[i].SetID(2 + i);
      fields[i].SetPos(12, 15 + i * 80, 456, 64);
      wnd.AddUiWin(&fields[i]);
    }
  }
  EditWnd wnd;
  UiSingleLineEdit fields[2];
};

// A gallery picture `name` (with its extension): in docs/images when
// VORNA_UPDATE_GALLERY is set (to refresh the gallery), in the test's
// temporary folder otherwise.
inline std::filesystem::path GalleryFile(const std::string& name) {
  if (std::getenv("VORNA_UPDATE_GALLERY")) return std::filesystem::path(VORNA_SOURCE_DIR) / "docs/images" / name;
  return std::filesystem::path(::testing::TempDir()) / name;
}

// Saves the screen as gallery picture `name`.png.
inline void SaveGalleryShot(Robot& robot, const std::string& name) {
  EXPECT_TRUE(robot.SaveScreenshot(GalleryFile(name + ".png")));
}

}  // namespace qzfc::test
