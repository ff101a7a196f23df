#include "qzfc/QzDateTime.h"

#include <ctime>

namespace {

constexpr int kMinYear = 1601;
constexpr int kMaxYear = 30827;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsValidDate(const SYSTEMTIME& t) {
  return t.wYear >= kMinYear && t.wYear <= kMaxYear && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
         t.wDay <= MaxDaysInMonth(t.wMonth, t.wYear);
}

std::tm ToTm(const SYSTEMTIME& t) {
  std::tm tm{};
  tm.tm_year = t.wYear - 1900;
  tm.tm_mon = t.wMonth - 1;
  tm.tm_mday = t.wDay;
  tm.tm_hour = t.wHour;
  tm.tm_min = t.wMinute;
  tm.tm_sec = t.wSecond;
  return tm;
}

SYSTEMTIME LocalNow() {
  SYSTEMTIME now{};
  UnixTimetoLocalSystemTime(static_cast<LONGLONG>(std::time(nullptr)), &now);
  return now;
}

}  // namespace

int MaxDaysInMonth(int month, int year) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool IsValidSystemTime(const SYSTEMTIME& t) {
  return IsValidDate(t) && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

namespace {

// Unix seconds to calendar fields through localtime_r or gmtime_r.
BOOL UnixTimeToFields(LONGLONG unixSeconds, SYSTEMTIME* out, std::tm* (*split)(const std::time_t*, std::tm*)) {
  if (!out) return FALSE;
  // Keeps the year arithmetic of the C library far from overflow; the real
  // limits are checked on its result.
  constexpr LONGLONG kLimit = 1000000000000LL;
  if (unixSeconds < -kLimit || unixSeconds > kLimit) return FALSE;
  std::time_t seconds = static_cast<std::time_t>(unixSeconds);
  std::tm tm{};
  if (!split(&seconds, &tm)) return FALSE;
  int year = tm.tm_year + 1900;
  if (year < kMinYear || year > kMaxYear) return FALSE;
  out->wYear = static_cast<WORD>(year);
  out->wMonth = static_cast<WORD>(tm.tm_mon + 1);
  out->wDayOfWeek = static_cast<WORD>(tm.tm_wday);
  out->wDay = static_cast<WORD>(tm.tm_mday);
  out->wHour = static_cast<WORD>(tm.tm_hour);
  out->wMinute = static_cast<WORD>(tm.tm_min);
  // A leap second (60) is shown as the last ordinary second.
  out->wSecond = static_cast<WORD>(tm.tm_sec > 59 ? 59 : tm.tm_sec);
  out->wMilliseconds = 0;
  return TRUE;
}

}  // namespace

BOOL UnixTimetoLocalSystemTime(LONGLONG unixSeconds, SYSTEMTIME* out) {
  return UnixTimeToFields(unixSeconds, out, localtime_r);
}

BOOL UnixTimetoSystemTime(LONGLONG unixSeconds, SYSTEMTIME* out) { return UnixTimeToFields(unixSeconds, out, gmtime_r); }

LONGLONG SystemTimetoUnixTime(const SYSTEMTIME* time) {
  if (!time || !IsValidSystemTime(*time)) return 0;
  std::tm tm = ToTm(*time);
  return static_cast<LONGLONG>(timegm(&tm));
}

LONGLONG LocalSystemTimetoUnixTime(const SYSTEMTIME* time) {
  if (!time || !IsValidSystemTime(*time)) return 0;
  std::tm tm = ToTm(*time);
  tm.tm_isdst = -1;
  std::time_t seconds = std::mktime(&tm);
  return seconds == static_cast<std::time_t>(-1) ? 0 : static_cast<LONGLONG>(seconds);
}

CQzStringW GetDateTimeStringAt(const SYSTEMTIME& t, DWORD format, const SYSTEMTIME& now) {
  CQzStringW text;
  switch (format) {
    case QZ_DATE_YEAR:
      if (t.wYear >= kMinYear && t.wYear <= kMaxYear) text.Format(L"%d", t.wYear);
      return text;
    case QZ_DATE_FULL:
      if (IsValidDate(t)) text.Format(L"%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
      return text;
    default:
      break;
  }
  if (!IsValidSystemTime(t)) return text;
  switch (format) {
    case QZ_DATE_MONTH_DAY_TIME:
      text.Format(L"%02d-%02d %02d:%02d", t.wMonth, t.wDay, t.wHour, t.wMinute);
      break;
    case QZ_DATE_RELATIVE:
      if (t.wYear != now.wYear)
        text.Format(L"%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
      else if (t.wMonth != now.wMonth || t.wDay != now.wDay)
        text.Format(L"%02d-%02d %02d:%02d", t.wMonth, t.wDay, t.wHour, t.wMinute);
      else
        text.Format(L"%02d:%02d", t.wHour, t.wMinute);
      break;
    default:
      text.Format(L"%04d-%02d-%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
      break;
  }
  return text;
}

CQzStringW GetDateTimeString(const SYSTEMTIME& time, DWORD format) {
  return GetDateTimeStringAt(time, format, LocalNow());
}

CQzStringW GetDateTimeString(const SYSTEMTIME* time, DWORD format) {
  if (!time) return CQzStringW();
  return GetDateTimeString(*time, format);
}
