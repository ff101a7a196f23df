// The window registry: window handles, registered message ids, finding
// windows by class, and messages posted or sent to windows, also across the
// processes that share one device root.
//
// The toolkit owns the windows and their message loop. It registers each
// window here to get its HWND, and installs WindowHooks so that messages
// posted or sent to a window of this process reach its loop. A message posted
// to a top-level window of another process on the same root travels over a
// Unix datagram socket under <root>/run/; the toolkit's loop watches
// ForeignMessageFd() and calls PumpForeignMessages() when it is readable.
#pragma once

#include <functional>

#include "ce/types.h"

namespace ce {

struct WindowHooks {
  // Queues a message for a window of this process (PostMessageW). Returns
  // false if the window is gone.
  std::function<bool(HWND, UINT, WPARAM, LPARAM)> post;
  // Delivers a message synchronously to a window of this process (SendMessageW).
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> send;
};

// Installs the toolkit's delivery functions for this process.
void SetWindowHooks(WindowHooks hooks);

enum class WindowScope { Child, TopLevel };

// Gives a new window a handle. The handle is unique among the processes on
// this device root and its value fits in 32 bits. A top-level window with a
// class name can be found with FindWindowW from any process on the root and
// receives messages posted there. `owner` is the toolkit's object for the
// window (WindowOwner gives it back).
HWND RegisterWindow(const wchar_t* className, WindowScope scope, void* owner);

// Forgets the window; later messages to it fail.
void UnregisterWindow(HWND hwnd);

// The toolkit object registered with the window, or null for a foreign or
// unknown handle.
void* WindowOwner(HWND hwnd);

// Whether the handle is a live window of this process.
bool IsLocalWindow(HWND hwnd);

// Readable when messages from other processes are waiting (-1 before any
// top-level window was registered).
int ForeignMessageFd();

// Hands every waiting foreign message to WindowHooks::post, in arrival order.
void PumpForeignMessages();

}  // namespace ce

// The same name gives the same id (0xC000 to 0xFFFF) in every process on the
// root; 0 for a null or empty name.
UINT RegisterWindowMessageW(LPCWSTR name);

// A top-level window by class name (title ignored when null), of this process
// first, then of the other processes on the root. Null when none.
HWND FindWindowW(LPCWSTR className, LPCWSTR windowName);

// Queues the message for the window's loop; a window of another process gets
// it through its socket. FALSE for a null, unknown or dead window.
BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Delivers the message to a window of this process and returns its result.
// For a window of another process the message is posted and 0 returned
// (pointers in wParam or lParam cannot cross processes). 0 for an unknown window.
LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

BOOL IsWindow(HWND hwnd);
