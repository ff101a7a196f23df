// Keeping the call log and the phone host up to date from other programs.
#pragma once

#include "ce/types.h"
#include "core/VornaExport.h"

// Records one finished call: the other party's number (empty for a hidden
// caller), its time as system time (UTC), the length in seconds for calls
// made and received (types 1 and 2) or the number of rings otherwise, and
// the call type (1 outgoing, 2 incoming, 3 missed, 4 rejected, 5 blocked).
// False, recording nothing, when the store is unavailable or the time is
// not a valid time that the call log can hold.
VORNALIB_API bool AddCallHistory(const wchar_t* number, SYSTEMTIME& time, int value, int type);

// Tells a running phone host that contact data changed (it posts 0x404 to
// the host's main window); does nothing when no host runs.
VORNALIB_API void NotifyContactDbChanged();
