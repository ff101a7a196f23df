#include "loop/TimerQueue.h"

#include <algorithm>

namespace qzfc {
namespace {

// Due times are compared as signed distances so that the 32-bit
// millisecond counter may wrap.
bool DueBy(DWORD due, DWORD now) { return static_cast<int32_t>(now - due) >= 0; }
bool Earlier(DWORD a, DWORD b) { return static_cast<int32_t>(a - b) < 0; }

}  // namespace

UINT_PTR TimerQueue::SetWindowTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, DWORD now) {
  if (!hwnd && !proc) return 0;
  // Intervals are at least 1 ms so a zero interval cannot starve the loop.
  UINT interval = std::max<UINT>(elapse, 1);
  for (Timer& t : timers_) {
    if (!t.callback && t.hwnd == hwnd && t.id == id) {
      t.interval = interval;
      t.due = now + interval;
      t.proc = proc;
      t.seq = nextSeq_++;
      return id ? id : 1;
    }
  }
  Timer t;
  t.hwnd = hwnd;
  t.id = id;
  t.interval = interval;
  t.due = now + interval;
  t.seq = nextSeq_++;
  t.proc = proc;
  timers_.push_back(std::move(t));
  return id ? id : 1;
}

bool TimerQueue::KillWindowTimer(HWND hwnd, UINT_PTR id) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Timer& t) { return !t.callback && t.hwnd == hwnd && t.id == id; });
  if (it == timers_.end()) return false;
  timers_.erase(it);
  return true;
}

void TimerQueue::KillWindowTimers(HWND hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return !t.callback && t.hwnd == hwnd; });
}

uint64_t TimerQueue::StartCallback(UINT delay, std::function<void()> fn, DWORD now) {
  // Without a function the entry would read as a window timer of interval 0.
  if (!fn) return 0;
  Timer t;
  t.due = now + delay;
  t.seq = nextSeq_++;
  t.callback = std::move(fn);
  uint64_t token = t.seq;
  timers_.push_back(std::move(t));
  return token;
}

void TimerQueue::CancelCallback(uint64_t token) {
  std::erase_if(timers_, [&](const Timer& t) { return t.callback && t.seq == token; });
}

std::optional<DWORD> TimerQueue::NextDue() const {
  std::optional<DWORD> next;
  for (const Timer& t : timers_)
    if (!next || Earlier(t.due, *next)) next = t.due;
  return next;
}

bool TimerQueue::FireOneDue(DWORD now, const std::function<void(HWND, UINT_PTR, TIMERPROC)>& deliver) {
  auto best = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (!DueBy(it->due, now)) continue;
    if (best == timers_.end() || Earlier(it->due, best->due) || (it->due == best->due && it->seq < best->seq))
      best = it;
  }
  if (best == timers_.end()) return false;
  if (best->callback) {
    std::function<void()> fn = std::move(best->callback);
    timers_.erase(best);
    fn();
    return true;
  }
  HWND hwnd = best->hwnd;
  UINT_PTR id = best->id;
  TIMERPROC proc = best->proc;
  best->due = now + best->interval;
  best->seq = nextSeq_++;
  deliver(hwnd, id, proc);
  return true;
}

}  // namespace qzfc
