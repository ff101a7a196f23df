// The shell bar: the top 80 pixels of the screen with the foreground
// window's title and the time. A tap on it tells the windows that
// subscribed to taskbar clicks; the M key tells those that subscribed to
// M-key clicks. Windows subscribe by writing 12-byte records {1, window,
// event} into the shell's named queue (event 1 M key, 2 taskbar).
//
// The queue and the subscriptions belong to the device root: when the root
// changes, the shell drops both and opens the new root's queue at once, so
// that subscriptions written there wait even if their writers close theirs.
#pragma once

#include <set>
#include <utility>

#include "ce/types.h"

namespace qzfc {

class ShellBar {
 public:
  static constexpr UINT kEventMKey = 1;
  static constexpr UINT kEventTaskbar = 2;

  // Opens the shell's end of the queue. One shell bar lives for the process.
  ShellBar();
  ShellBar(const ShellBar&) = delete;
  ShellBar& operator=(const ShellBar&) = delete;

  void Paint(HDC hdc, LPCWSTR title);
  void Tap();
  void PressMKey();
  // Reads what waits in the shell's queue.
  void ReadSubscriptions();

 private:
  static void OnDeviceRootReset();
  void OpenQueue();
  void Subscribe(HWND hwnd, UINT event);
  void Notify(UINT event, LPCWSTR messageName);

  HANDLE queue_ = nullptr;
  std::set<std::pair<UINT, HWND>> subscriptions_;
};

}  // namespace qzfc
