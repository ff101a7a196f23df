// The shell bar: the top 80 pixels of the screen with the foreground
// window's title and the time. A tap on it tells the windows that
// subscribed to taskbar clicks; the M key tells those that subscribed to
// M-key clicks. Windows subscribe by writing 12-byte records {1, window,
// event} into the shell's named queue (event 1 M key, 2 taskbar).
#pragma once

#include <set>
#include <utility>

#include "ce/types.h"

namespace qzfc {

class ShellBar {
 public:
  static constexpr UINT kEventMKey = 1;
  static constexpr UINT kEventTaskbar = 2;

  void Paint(HDC hdc, LPCWSTR title);
  void Tap();
  void PressMKey();
  // Adds a subscription directly (the queue reader feeds this too).
  void Subscribe(HWND hwnd, UINT event);
  // Reads what waits in the shell's queue.
  void ReadSubscriptions();

 private:
  void Notify(UINT event, LPCWSTR messageName);
  std::set<std::pair<UINT, HWND>> subscriptions_;
};

}  // namespace qzfc
