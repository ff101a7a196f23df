// Clock and calendar. The local time zone is the process's TZ (the C
// library's rules: TZ as set in the environment, else the system's zone).
// FILETIME counts 100 ns ticks since 1601-01-01 UTC; a SYSTEMTIME is valid
// from 1601 to 30827 with real calendar dates, and invalid ones are
// refused with FALSE and ERROR_INVALID_PARAMETER.
#pragma once

#include "ce/lasterror.h"
#include "ce/types.h"

void GetSystemTime(LPSYSTEMTIME time);
void GetLocalTime(LPSYSTEMTIME time);
BOOL SystemTimeToFileTime(const SYSTEMTIME* time, LPFILETIME fileTime);
// wDayOfWeek is filled in; FALSE for values past year 30827.
BOOL FileTimeToSystemTime(const FILETIME* fileTime, LPSYSTEMTIME time);
// Shift by the zone's offset (with daylight saving) at that moment.
BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, LPFILETIME localFileTime);
BOOL LocalFileTimeToFileTime(const FILETIME* localFileTime, LPFILETIME fileTime);
// -1, 0 or 1 as the first time is earlier, equal or later.
LONG CompareFileTime(const FILETIME* first, const FILETIME* second);
// Milliseconds since the system started; wraps after 49.7 days.
DWORD GetTickCount();
