// Timers on the toolkit clock: window timers (SetTimer) and the toolkit's
// own one-shot callbacks (press-and-hold, animations).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "ce/types.h"

namespace qzfc {

class TimerQueue {
 public:
  // Starts or restarts the window timer (hwnd, id). Returns the id, 0 on failure.
  UINT_PTR SetWindowTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, DWORD now);
  bool KillWindowTimer(HWND hwnd, UINT_PTR id);
  void KillWindowTimers(HWND hwnd);

  uint64_t StartCallback(UINT delay, std::function<void()> fn, DWORD now);
  void CancelCallback(uint64_t token);

  // When the earliest timer is due, if any.
  std::optional<DWORD> NextDue() const;

  // Fires the earliest timer due at `now` (ties in the order they were set).
  // A window timer is re-armed before it is delivered, so its handler may kill
  // or restart it. Returns false when none is due.
  bool FireOneDue(DWORD now, const std::function<void(HWND, UINT_PTR, TIMERPROC)>& deliver);

 private:
  struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    DWORD due = 0;
    uint64_t seq = 0;
    TIMERPROC proc = nullptr;
    std::function<void()> callback;  // set for one-shot toolkit callbacks
  };
  std::vector<Timer> timers_;
  uint64_t nextSeq_ = 1;
};

}  // namespace qzfc
