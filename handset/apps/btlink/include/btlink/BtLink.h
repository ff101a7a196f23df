// The Bluetooth sending applet "BtLinkCPL.dll", a library of the host
// process: LoadLibraryW(kBtLinkLibrary), GetProcAddressW(module,
// kBtLinkEntryPoint), then
//   entry(owner, BTLINK_SEND_FILES, reinterpret_cast<LPARAM>(&list), 0);
// where list is a BtLinkFileList naming the files to send, in order. The
// applet shows a modal sending screen with the file names and their count,
// appends one launch-journal line per path (program "BtLinkCPL.dll",
// parameters the path) and returns the number of files it took. There is no
// radio on this machine: nothing leaves it, and the screen says so.
#pragma once

#include "ce/types.h"

inline constexpr wchar_t kBtLinkLibrary[] = L"BtLinkCPL.dll";
inline constexpr wchar_t kBtLinkEntryPoint[] = L"CPlApplet";

// The control-panel message that sends files.
inline constexpr UINT BTLINK_SEND_FILES = 14;

// The files to send: `count` handset paths, each a null-terminated wide
// string. The caller keeps them; the applet reads them during the call.
struct BtLinkFileList {
  DWORD count;
  const wchar_t* const* paths;
};

// The applet's entry point (exported as "CPlApplet"). For BTLINK_SEND_FILES
// (lParam1 a BtLinkFileList*) it returns the number of files taken, 0 for a
// null or empty list; other messages return 0.
using BtLinkAppletProc = LONG (*)(HWND owner, UINT message, LPARAM lParam1, LPARAM lParam2);

// The entry point itself, found by GetProcAddressW under kBtLinkEntryPoint.
extern "C" LONG BtLinkCPlApplet(HWND owner, UINT message, LPARAM lParam1, LPARAM lParam2);

namespace btlink {
// Makes LoadLibraryW(kBtLinkLibrary) find the applet in this process.
void RegisterLibrary();
void UnregisterLibrary();
}  // namespace btlink
