// Subscribing windows to the shell's notifications: the M key and taps on
// the task bar, delivered as registered window messages.
#pragma once

#include "ce/types.h"

// The events a window can subscribe to.
enum SHELL_NOTIFY_EVENT : DWORD {
  SHELL_NOTIFY_CLICK_MKEY = 1,     // "ShellNotifyMsg/ClickMKey"
  SHELL_NOTIFY_CLICK_TASKBAR = 2,  // "ShellNotifyMsg/ClickTaskbar"
};

// Writes the 12-byte subscription record {1, window, event} to the shell's
// queue "QueueNameOfShellNotifyMessage". False for a null window or when the
// queue cannot be opened or written.
bool RegisterShellNotify(HWND window, DWORD event);

// The registered message ids the shell sends subscribed windows; 0 while
// registration fails (tried again on the next call).
UINT GetClickMKeyMessage();
UINT GetClickTaskbarMessage();
