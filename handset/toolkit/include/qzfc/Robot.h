// The test robot: drives the headless screen the way a user would. It taps,
// presses, holds, drags, swipes and types at screen coordinates, advances
// the virtual clock, finds controls by id, and saves screenshots.
//
// Every action is handled to the end (messages, timers due, repaints) before
// it returns. A modal loop that runs out of input asks the robot for the
// next scripted step (WhenModalWaits); when none is left the robot reports a
// failure (by default to stderr followed by abort; tests install their own
// reporter) and the modal loop ends with 0.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "ce/types.h"

class CQzWnd;
class UiWin;

namespace qzfc {

class Robot {
 public:
  Robot();
  ~Robot();
  Robot(const Robot&) = delete;
  Robot& operator=(const Robot&) = delete;

  // ---- touch, at screen coordinates ----
  void Tap(int x, int y);
  void DoubleTap(int x, int y);
  void Press(int x, int y);
  void MoveTo(int x, int y);
  void Release(int x, int y);
  // Presses and keeps the finger down for `ms` (the finger stays down: call
  // Release to lift it).
  void Hold(int x, int y, DWORD ms = 500);
  // Presses, moves in `steps` even steps over `ms`, and releases.
  void Drag(int x0, int y0, int x1, int y1, DWORD ms = 300, int steps = 10);
  // A quick drag (100 ms).
  void Swipe(int x0, int y0, int x1, int y1);

  // ---- keys ----
  // Each character as WM_CHAR to the foreground window.
  void Type(const std::wstring& text);
  void Char(WCHAR ch);
  void PressMKey();
  void TapShellBar();

  // ---- time ----
  void Advance(DWORD ms);
  // Handles everything pending without moving the clock.
  void Settle();
  // Waits up to `ms` of real time for a message from another process and
  // handles it; false when none came.
  bool WaitForForeignMessage(int ms);

  // ---- looking ----
  CQzWnd* Foreground() const;
  // The control with this id in the foreground window (or in `wnd`).
  UiWin* FindControl(int id) const;
  UiWin* FindControl(CQzWnd* wnd, int id) const;
  template <typename T>
  T* Find(int id) const {
    return dynamic_cast<T*>(FindControl(id));
  }
  bool SaveScreenshot(const std::filesystem::path& path);

  // ---- modal loops ----
  // Queues a step to run when a modal loop waits for input.
  void WhenModalWaits(std::function<void()> step);
  size_t PendingModalSteps() const { return steps_.size(); }
  using FailureReporter = std::function<void(const std::string&)>;
  void SetFailureReporter(FailureReporter reporter) { reporter_ = std::move(reporter); }

 private:
  void Input(UINT msg, int x, int y);
  bool RunNextStep();

  std::deque<std::function<void()>> steps_;
  FailureReporter reporter_;
};

}  // namespace qzfc
