// Small windows and controls that record what reaches them, and a robot that
// reports stalls as test failures.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "qzfc/QzWndEx.h"
#include "qzfc/Robot.h"
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

}  // namespace qzfc::test
