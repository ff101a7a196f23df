// Dates and times: Unix seconds to and from SYSTEMTIME, month lengths, and
// the readable date texts of the lists.
//
// "Local" means the time zone of the TZ environment variable (the system's
// zone when it is unset), with its daylight-saving rules.
#pragma once

#include "ce/types.h"
#include "qzfc/QzString.h"

// Date text formats of GetDateTimeString.
enum : DWORD {
  QZ_DATE_MONTH_DAY_TIME = 6,  // "12-06 10:15": a call in a list that shows its year above
  QZ_DATE_RELATIVE = 7,        // a call in the call log: "10:15" today, "12-06 10:15"
                               // earlier this year, "2024-12-06" in another year
  QZ_DATE_YEAR = 11,           // "2025": a year line
  QZ_DATE_FULL = 14,           // "1990-05-17": a birthday (the time is ignored)
};

// The text of a local time in one of the formats above; any other value
// gives "2025-12-06 10:15". An impossible date (month 0, February 30, hour
// 24, ...) gives an empty text; format 14 checks only the date and format 11
// only the year.
CQzStringW GetDateTimeString(const SYSTEMTIME& time, DWORD format);
CQzStringW GetDateTimeString(const SYSTEMTIME* time, DWORD format);
// The same with the current local time given, so that the relative format
// can be checked against a fixed day.
CQzStringW GetDateTimeStringAt(const SYSTEMTIME& time, DWORD format, const SYSTEMTIME& now);

// Unix seconds to local time, with the weekday filled in. FALSE for a null
// output or a time outside SYSTEMTIME's years (1601 to 30827).
BOOL UnixTimetoLocalSystemTime(LONGLONG unixSeconds, SYSTEMTIME* out);
inline BOOL UnixTimetoLocalSystemTime(LONGLONG unixSeconds, SYSTEMTIME& out) {
  return UnixTimetoLocalSystemTime(unixSeconds, &out);
}
// The same in UTC, as GetSystemTime gives it.
BOOL UnixTimetoSystemTime(LONGLONG unixSeconds, SYSTEMTIME* out);
inline BOOL UnixTimetoSystemTime(LONGLONG unixSeconds, SYSTEMTIME& out) { return UnixTimetoSystemTime(unixSeconds, &out); }

// A UTC SYSTEMTIME (GetSystemTime) to Unix seconds. The weekday is ignored;
// an impossible time or a null pointer gives 0.
LONGLONG SystemTimetoUnixTime(const SYSTEMTIME* time);
inline LONGLONG SystemTimetoUnixTime(const SYSTEMTIME& time) { return SystemTimetoUnixTime(&time); }

// A local SYSTEMTIME (GetLocalTime) to Unix seconds. A local time that a
// daylight-saving change skips or repeats is resolved as the C library's
// mktime resolves it. An impossible time or null gives 0.
LONGLONG LocalSystemTimetoUnixTime(const SYSTEMTIME* time);
inline LONGLONG LocalSystemTimetoUnixTime(const SYSTEMTIME& time) { return LocalSystemTimetoUnixTime(&time); }

// Days in a month of the Gregorian calendar (28 to 31); 0 for a month
// outside 1 to 12.
int MaxDaysInMonth(int month, int year);

// Whether every field of a SYSTEMTIME except the weekday is in range.
bool IsValidSystemTime(const SYSTEMTIME& time);
