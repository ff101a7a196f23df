#include "ce/time.h"

#include <time.h>

#include <cstdint>

namespace {

using ce::Fail;

constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kTicksPerMs = 10000;
constexpr int64_t kSecondsPerDay = 86400;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochGapSeconds = 11644473600LL;
constexpr int64_t kMaxTicks = INT64_MAX;
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;

bool IsLeap(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int64_t year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian calendar).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  unsigned yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  unsigned doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

int64_t TicksOf(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

FILETIME FileTimeOf(int64_t ticks) {
  auto value = static_cast<uint64_t>(ticks);
  return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFF), static_cast<DWORD>(value >> 32)};
}

// A FILETIME is valid while its top bit is clear.
bool ValidTicks(const FILETIME& time) { return (time.dwHighDateTime & 0x80000000u) == 0; }

// Offset of local time from UTC, in seconds, at a Unix time.
int64_t LocalOffset(int64_t unixSeconds) {
  tzset();
  time_t t = static_cast<time_t>(unixSeconds);
  tm local{};
  if (!localtime_r(&t, &local)) return 0;
  return local.tm_gmtoff;
}

void FillFromTicks(int64_t ticks, SYSTEMTIME& out) {
  int64_t seconds = ticks / kTicksPerSecond;
  int64_t days = seconds / kSecondsPerDay;
  int64_t rest = seconds % kSecondsPerDay;
  int64_t year = 0;
  unsigned month = 0;
  unsigned day = 0;
  CivilFromDays(days - kEpochGapSeconds / kSecondsPerDay, year, month, day);
  out.wYear = static_cast<WORD>(year);
  out.wMonth = static_cast<WORD>(month);
  out.wDay = static_cast<WORD>(day);
  out.wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
  out.wHour = static_cast<WORD>(rest / 3600);
  out.wMinute = static_cast<WORD>(rest / 60 % 60);
  out.wSecond = static_cast<WORD>(rest % 60);
  out.wMilliseconds = static_cast<WORD>(ticks % kTicksPerSecond / kTicksPerMs);
}

int64_t NowTicks() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return (static_cast<int64_t>(now.tv_sec) + kEpochGapSeconds) * kTicksPerSecond + now.tv_nsec / 100;
}

bool ShiftTicks(int64_t ticks, int64_t offsetSeconds, FILETIME& out) {
  int64_t shifted = ticks + offsetSeconds * kTicksPerSecond;
  if (shifted < 0) return false;
  out = FileTimeOf(shifted);
  return true;
}

}  // namespace

void GetSystemTime(LPSYSTEMTIME time) {
  if (time) FillFromTicks(NowTicks(), *time);
}

void GetLocalTime(LPSYSTEMTIME time) {
  if (!time) return;
  int64_t ticks = NowTicks();
  int64_t unixSeconds = ticks / kTicksPerSecond - kEpochGapSeconds;
  FillFromTicks(ticks + LocalOffset(unixSeconds) * kTicksPerSecond, *time);
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* time, LPFILETIME fileTime) {
  if (!time || !fileTime) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  const SYSTEMTIME& t = *time;
  if (t.wYear < kFirstYear || t.wYear > kLastYear || t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1 ||
      t.wDay > DaysInMonth(t.wYear, t.wMonth) || t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59 ||
      t.wMilliseconds > 999)
    return Fail(ERROR_INVALID_PARAMETER, FALSE);
  int64_t days = DaysFromCivil(t.wYear, t.wMonth, t.wDay) + kEpochGapSeconds / kSecondsPerDay;
  int64_t seconds = days * kSecondsPerDay + t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  *fileTime = FileTimeOf(seconds * kTicksPerSecond + t.wMilliseconds * kTicksPerMs);
  return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, LPSYSTEMTIME time) {
  if (!fileTime || !time || !ValidTicks(*fileTime)) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  SYSTEMTIME result{};
  FillFromTicks(TicksOf(*fileTime), result);
  if (result.wYear > kLastYear) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  *time = result;
  return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, LPFILETIME localFileTime) {
  if (!fileTime || !localFileTime || !ValidTicks(*fileTime)) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  int64_t ticks = TicksOf(*fileTime);
  int64_t unixSeconds = ticks / kTicksPerSecond - kEpochGapSeconds;
  if (ticks > kMaxTicks - 86400 * kTicksPerSecond) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  return ShiftTicks(ticks, LocalOffset(unixSeconds), *localFileTime) ? TRUE : Fail(ERROR_INVALID_PARAMETER, FALSE);
}

BOOL LocalFileTimeToFileTime(const FILETIME* localFileTime, LPFILETIME fileTime) {
  if (!localFileTime || !fileTime || !ValidTicks(*localFileTime)) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  int64_t ticks = TicksOf(*localFileTime);
  if (ticks > kMaxTicks - 86400 * kTicksPerSecond) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  int64_t localSeconds = ticks / kTicksPerSecond - kEpochGapSeconds;
  // The offset depends on the UTC moment being looked for: guess with the
  // local reading, then correct once with the offset at the guess.
  int64_t offset = LocalOffset(localSeconds);
  int64_t corrected = LocalOffset(localSeconds - offset);
  return ShiftTicks(ticks, -corrected, *fileTime) ? TRUE : Fail(ERROR_INVALID_PARAMETER, FALSE);
}

LONG CompareFileTime(const FILETIME* first, const FILETIME* second) {
  uint64_t a = first ? (static_cast<uint64_t>(first->dwHighDateTime) << 32) | first->dwLowDateTime : 0;
  uint64_t b = second ? (static_cast<uint64_t>(second->dwHighDateTime) << 32) | second->dwLowDateTime : 0;
  return a < b ? -1 : a > b ? 1 : 0;
}

DWORD GetTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1000000;
  return static_cast<DWORD>(ms);
}
