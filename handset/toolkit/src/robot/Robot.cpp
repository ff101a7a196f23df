#include "qzfc/Robot.h"

#include <cstdio>
#include <cstdlib>

#include "drivers/Driver.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/Screen.h"

namespace qzfc {

Robot::Robot() {
  Screen::Get();  // starts the (headless) screen
  MessageLoop& loop = MessageLoop::Get();
  loop.SetIdleHandler([this] { return RunNextStep(); });
  loop.SetStallHandler([this](const std::string& what) {
    if (reporter_) {
      reporter_(what);
    } else {
      std::fprintf(stderr, "qzfc robot: %s\n", what.c_str());
      std::abort();
    }
  });
}

Robot::~Robot() {
  MessageLoop::Get().SetIdleHandler(nullptr);
  MessageLoop::Get().SetStallHandler(nullptr);
}

bool Robot::RunNextStep() {
  if (steps_.empty()) return false;
  std::function<void()> step = std::move(steps_.front());
  steps_.pop_front();
  step();
  return true;
}

void Robot::WhenModalWaits(std::function<void()> step) { steps_.push_back(std::move(step)); }

void Robot::Input(UINT msg, int x, int y) {
  MessageLoop::Get().Post(nullptr, msg, MK_LBUTTON, MAKELPARAM(x, y));
  Settle();
}

void Robot::Settle() { MessageLoop::Get().PumpPending(); }

void Robot::Press(int x, int y) { Input(WM_LBUTTONDOWN, x, y); }
void Robot::MoveTo(int x, int y) { Input(WM_MOUSEMOVE, x, y); }
void Robot::Release(int x, int y) { Input(WM_LBUTTONUP, x, y); }

void Robot::Tap(int x, int y) {
  Press(x, y);
  Release(x, y);
}

void Robot::DoubleTap(int x, int y) {
  Tap(x, y);
  Advance(100);
  Tap(x, y);
}

void Robot::Hold(int x, int y, DWORD ms) {
  Press(x, y);
  Advance(ms);
}

void Robot::Drag(int x0, int y0, int x1, int y1, DWORD ms, int steps) {
  if (steps < 1) steps = 1;
  Press(x0, y0);
  for (int i = 1; i <= steps; ++i) {
    Advance(ms / steps);
    MoveTo(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
  }
  Release(x1, y1);
}

void Robot::Swipe(int x0, int y0, int x1, int y1) { Drag(x0, y0, x1, y1, 100, 5); }

void Robot::Char(WCHAR ch) {
  MessageLoop::Get().Post(nullptr, WM_CHAR, static_cast<WPARAM>(ch), 0);
  Settle();
}

void Robot::Type(const std::wstring& text) {
  for (wchar_t c : text) Char(c);
}

void Robot::PressMKey() {
  Screen::Get().PressMKey();
  Settle();
}

void Robot::TapShellBar() { Tap(Screen::kWidth / 2, Screen::kShellBarHeight / 2); }

void Robot::Advance(DWORD ms) { MessageLoop::Get().AdvanceClock(ms); }

bool Robot::WaitForForeignMessage(int ms) {
  Screen::Get().GetDriver().Wait(0);
  MessageLoop& loop = MessageLoop::Get();
  if (loop.PumpOnce()) {
    Settle();
    return true;
  }
  // Headless waits only for other processes; this is a real wait with a limit.
  Screen::Get().GetDriver().Wait(ms);
  bool got = loop.PumpOnce();
  Settle();
  return got;
}

CQzWnd* Robot::Foreground() const { return Screen::Get().Foreground(); }

UiWin* Robot::FindControl(int id) const { return FindControl(Foreground(), id); }

UiWin* Robot::FindControl(CQzWnd* wnd, int id) const {
  auto* ex = dynamic_cast<CQzWndEx*>(wnd);
  return ex ? ex->GetUiWin(id) : nullptr;
}

bool Robot::SaveScreenshot(const std::filesystem::path& path) {
  Settle();
  return Screen::Get().SavePng(path);
}

}  // namespace qzfc
