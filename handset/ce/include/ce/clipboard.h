// The clipboard, shared by every process on the device root like the
// phone's. Its text lives in <root>/clipboard.txt (UTF-8), replaced in one
// rename when a process that changed it closes the clipboard, so a test or
// vornactl can read what was copied. One process at a time has it open
// (an advisory lock on <root>/clipboard.lock); OpenClipboard fails at once
// while another holds it. Only Unicode text (CF_UNICODETEXT) is kept.
#pragma once

#include "ce/lasterror.h"
#include "ce/memory.h"
#include "ce/types.h"

#define CF_TEXT 1
#define CF_UNICODETEXT 13

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
// Empties the clipboard; the change is published at CloseClipboard.
BOOL EmptyClipboard();
// Takes ownership of a LocalAlloc block holding terminated wide text and
// returns it; NULL on failure (clipboard not open, another format, a block
// that LocalAlloc did not make). The block stays valid until the clipboard
// is next emptied or set by this process.
HANDLE SetClipboardData(UINT format, HANDLE data);
// The text as a terminated wide string in a block the clipboard owns (valid
// until the clipboard is next opened, emptied or set by this process); NULL
// when there is none or the clipboard is not open.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
