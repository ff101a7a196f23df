#include "qzfc/MessageLoop.h"

#include <cstdio>
#include <cstdlib>

#include "ce/utf8.h"
#include "ce/window_registry.h"
#include "drivers/Driver.h"
#include "loop/TimerQueue.h"
#include "qzfc/Clock.h"
#include "qzfc/QzWnd.h"
#include "qzfc/Screen.h"

namespace qzfc {
namespace {

bool IsInput(UINT msg) {
  return (msg >= WM_MOUSEMOVE && msg <= WM_LBUTTONDBLCLK) || msg == WM_KEYDOWN || msg == WM_KEYUP ||
         msg == WM_CHAR;
}

void InstallWindowHooks() {
  ce::WindowHooks hooks;
  hooks.post = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!ce::IsLocalWindow(hwnd)) return false;
    return MessageLoop::Get().Post(hwnd, msg, wParam, lParam);
  };
  hooks.send = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    CQzWnd* wnd = CQzWnd::FromHandle(hwnd);
    return wnd ? wnd->Dispatch(msg, wParam, lParam) : 0;
  };
  ce::SetWindowHooks(std::move(hooks));
}

}  // namespace

MessageLoop& MessageLoop::Get() {
  static MessageLoop* loop = new MessageLoop;
  return *loop;
}

MessageLoop::MessageLoop() : timers_(new TimerQueue) {
  InstallWindowHooks();
  stall_ = [](const std::string& what) {
    std::fprintf(stderr, "qzfc: %s\n", what.c_str());
    std::abort();
  };
}

bool MessageLoop::Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  {
    std::lock_guard lock(mutex_);
    // A bound on the queue keeps a runaway poster from exhausting memory.
    if (posted_.size() >= 100000) return false;
    MSG m{};
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = Clock::Now();
    posted_.push_back(m);
  }
  if (!Clock::IsVirtual()) Screen::Get().GetDriver().Wake();
  return true;
}

UINT_PTR MessageLoop::SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !CQzWnd::FromHandle(hwnd)) return 0;
  return timers_->SetWindowTimer(hwnd, id, elapse, proc, Clock::Now());
}

bool MessageLoop::KillTimer(HWND hwnd, UINT_PTR id) { return timers_->KillWindowTimer(hwnd, id); }
void MessageLoop::KillTimers(HWND hwnd) { timers_->KillWindowTimers(hwnd); }

uint64_t MessageLoop::StartCallback(UINT delay, std::function<void()> fn) {
  return timers_->StartCallback(delay, std::move(fn), Clock::Now());
}

void MessageLoop::CancelCallback(uint64_t token) { timers_->CancelCallback(token); }

int MessageLoop::MsUntilNextTimer() const {
  auto next = timers_->NextDue();
  if (!next) return -1;
  int32_t ms = static_cast<int32_t>(*next - Clock::Now());
  return ms < 0 ? 0 : ms;
}

bool MessageLoop::TakePosted(MSG* msg) {
  std::lock_guard lock(mutex_);
  if (posted_.empty()) return false;
  *msg = posted_.front();
  posted_.pop_front();
  return true;
}

void MessageLoop::Dispatch(const MSG& msg) {
  if (!msg.hwnd) {
    if (IsInput(msg.message)) Screen::Get().DispatchInput(msg);
    return;
  }
  if (CQzWnd* wnd = CQzWnd::FromHandle(msg.hwnd)) wnd->Dispatch(msg.message, msg.wParam, msg.lParam);
}

bool MessageLoop::PumpOnce() {
  MSG msg;
  if (TakePosted(&msg)) {
    if (msg.message == WM_QUIT && !msg.hwnd) {
      quit_ = true;
      quitCode_ = static_cast<int>(msg.wParam);
    } else {
      Dispatch(msg);
    }
    return true;
  }
  bool fired = timers_->FireOneDue(Clock::Now(), [](HWND hwnd, UINT_PTR id, TIMERPROC proc) {
    if (proc) {
      proc(hwnd, WM_TIMER, id, Clock::Now());
    } else if (CQzWnd* wnd = CQzWnd::FromHandle(hwnd)) {
      wnd->Dispatch(WM_TIMER, id, 0);
    }
  });
  if (fired) return true;
  Screen& screen = Screen::Get();
  if (screen.NeedsPaint()) {
    screen.Paint();
    return true;
  }
  return false;
}

void MessageLoop::PumpPending() {
  Screen::Get().GetDriver().Wait(0);  // collect messages from other processes
  while (PumpOnce()) {
  }
}

void MessageLoop::AdvanceClock(DWORD ms) {
  const DWORD target = Clock::Now() + ms;
  PumpPending();
  for (;;) {
    auto next = timers_->NextDue();
    if (!next || static_cast<int32_t>(target - *next) < 0) break;
    if (static_cast<int32_t>(*next - Clock::Now()) > 0) Clock::SetVirtualNow(*next);
    PumpPending();
  }
  Clock::SetVirtualNow(target);
  PumpPending();
}

void MessageLoop::Quit(int code) { Post(nullptr, WM_QUIT, static_cast<WPARAM>(code), 0); }

// Waits for something to do. On the headless screen, asks the idle handler;
// returns false when nothing will ever come (a stall).
bool MessageLoop::WaitForWork(const std::wstring& what) {
  Driver& driver = Screen::Get().GetDriver();
  if (driver.RealTime()) {
    driver.Wait(MsUntilNextTimer());
    return true;
  }
  driver.Wait(0);
  if (idle_ && idle_()) return true;
  ReportStall(what);
  return false;
}

void MessageLoop::ReportStall(const std::wstring& what) {
  std::string text = "the " + ce::ToUtf8(what) +
                     " waits for input on the headless screen and no robot has anything left to do";
  if (stall_) stall_(text);
}

int MessageLoop::Run() {
  ++depth_;
  int code = 0;
  for (;;) {
    // A quit that ended a nested loop is still pending here and ends this one.
    if (quit_) {
      code = quitCode_;
      break;
    }
    if (PumpOnce()) continue;
    if (!WaitForWork(L"message loop")) {
      code = -1;
      break;
    }
  }
  quit_ = false;
  --depth_;
  return code;
}

ModalEnd MessageLoop::RunModal(const bool& done, const std::wstring& what) {
  ++depth_;
  ModalEnd end = ModalEnd::Ended;
  while (!done) {
    if (quit_) {
      end = ModalEnd::Quit;
      break;
    }
    if (PumpOnce()) continue;
    if (!WaitForWork(what)) {
      end = ModalEnd::Stalled;
      break;
    }
  }
  --depth_;
  return end;
}

}  // namespace qzfc
