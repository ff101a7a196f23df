// The UI thread's message loop: posted messages (also from other processes),
// input, timers and repaints go through one queue, in that order of priority
// within one turn: posted messages and input in arrival order, then due
// timers, then repainting when nothing else waits.
//
// DoModal runs a nested loop (RunModal) until EndModal; PostQuitMessage ends
// the outermost Run. On the headless screen nothing arrives by itself: when a
// loop that waits has nothing to do it asks the idle handler (the test
// robot), and with no handler, or one that has nothing left to do, it reports
// a stall instead of hanging.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "ce/types.h"

namespace qzfc {

class TimerQueue;

enum class ModalEnd { Ended, Quit, Stalled };

class MessageLoop {
 public:
  static MessageLoop& Get();

  // Queues a message (any thread). hwnd NULL with a mouse or key message is
  // screen input at screen coordinates.
  bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
  bool KillTimer(HWND hwnd, UINT_PTR id);
  void KillTimers(HWND hwnd);
  // A one-shot toolkit callback after `delay` ms; returns a token for Cancel,
  // or 0 (and starts nothing) for an empty function.
  uint64_t StartCallback(UINT delay, std::function<void()> fn);
  void CancelCallback(uint64_t token);
  // Milliseconds until the next timer is due (-1 when there is none).
  int MsUntilNextTimer() const;

  // Runs until PostQuitMessage; returns its exit code (-1 after a stall).
  int Run();
  // Runs until `done` becomes true (or a quit arrives, which stays pending
  // for the outer loop).
  ModalEnd RunModal(const bool& done, const std::wstring& what);

  // Handles one pending item; false when nothing is pending.
  bool PumpOnce();
  // Handles everything pending, without moving the clock.
  void PumpPending();
  // Moves the virtual clock forward, firing due timers in order and handling
  // what they cause before time moves on.
  void AdvanceClock(DWORD ms);

  void Quit(int code);
  bool QuitRequested() const { return quit_; }
  void ClearQuit() { quit_ = false; }

  // Asked by a waiting loop on the headless screen; returns whether it did
  // something (false: nothing left to do, the wait is a stall).
  using IdleHandler = std::function<bool()>;
  void SetIdleHandler(IdleHandler handler) { idle_ = std::move(handler); }
  // Told about a stall. The default prints the message and aborts, which
  // fails the test that got stuck.
  using StallHandler = std::function<void(const std::string&)>;
  void SetStallHandler(StallHandler handler) { stall_ = std::move(handler); }

  int Depth() const { return depth_; }

 private:
  MessageLoop();
  ~MessageLoop() = delete;  // lives for the whole process
  bool TakePosted(MSG* msg);
  void Dispatch(const MSG& msg);
  bool WaitForWork(const std::wstring& what);
  void ReportStall(const std::wstring& what);

  mutable std::mutex mutex_;
  std::deque<MSG> posted_;
  TimerQueue* timers_;
  bool quit_ = false;
  int quitCode_ = 0;
  int depth_ = 0;
  IdleHandler idle_;
  StallHandler stall_;
};

}  // namespace qzfc
