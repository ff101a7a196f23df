#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "test_helpers.h"
#include "windows.h"

namespace {

SYSTEMTIME Make(WORD y, WORD mo, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0, WORD ms = 0) {
  return SYSTEMTIME{y, mo, 0, d, h, mi, s, ms};
}

uint64_t Ticks(const FILETIME& f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; }

using vorna::test::ZoneScope;

TEST(Time, SystemTimeAndFileTimeConvertBothWaysAndRefuseInvalidTimes) {
  struct Case {
    SYSTEMTIME time;
    uint64_t ticks;
    WORD dayOfWeek;
  } cases[] = {
      {Make(1601, 1, 1), 0, 1},
      {Make(1970, 1, 1), 116444736000000000ULL, 4},
      {Make(2000, 2, 29, 23, 59, 59, 999), 125963423999990000ULL, 2},
      {Make(2024, 12, 31, 12, 0, 0, 5), 133801200000050000ULL, 2},
  };
  for (const Case& c : cases) {
    FILETIME f{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.time, &f));
    EXPECT_EQ(Ticks(f), c.ticks) << c.time.wYear;
    SYSTEMTIME back{};
    ASSERT_TRUE(FileTimeToSystemTime(&f, &back));
    EXPECT_EQ((std::vector<WORD>{back.wYear, back.wMonth, back.wDay, back.wHour, back.wMilliseconds, back.wDayOfWeek}),
              (std::vector<WORD>{c.time.wYear, c.time.wMonth, c.time.wDay, c.time.wHour, c.time.wMilliseconds,
                                 c.dayOfWeek}));
  }
  FILETIME early{5, 1}, late{4, 2};
  EXPECT_EQ(CompareFileTime(&early, &late), -1);
  EXPECT_EQ(CompareFileTime(&late, &early), 1);
  EXPECT_EQ(CompareFileTime(&late, &late), 0);

  // Invalid times are refused and leave the output untouched.
  SYSTEMTIME bad[] = {
      Make(1600, 12, 31), Make(2023, 2, 29), Make(2024, 4, 31), Make(2024, 13, 1), Make(2024, 0, 1),
      Make(2024, 1, 0),   Make(2024, 1, 1, 24), Make(2024, 1, 1, 0, 60), Make(2024, 1, 1, 0, 0, 60),
      Make(2024, 1, 1, 0, 0, 0, 1000), Make(30828, 1, 1),
  };
  FILETIME f{7, 7};
  for (const SYSTEMTIME& t : bad) {
    SetLastError(0);
    EXPECT_FALSE(SystemTimeToFileTime(&t, &f)) << t.wYear << '-' << t.wMonth << '-' << t.wDay;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  EXPECT_EQ(f.dwLowDateTime, 7u);  // untouched
  FILETIME tooLate{0, 0x80000000u};
  SYSTEMTIME out{};
  EXPECT_FALSE(FileTimeToSystemTime(&tooLate, &out));
  EXPECT_FALSE(SystemTimeToFileTime(nullptr, &f));
  EXPECT_FALSE(FileTimeToSystemTime(&f, nullptr));
}

TEST(Time, LocalTimeFollowsTheZoneInTheEnvironment) {
  // POSIX rules, so no time zone database is needed.
  struct Case {
    const char* zone;
    SYSTEMTIME utc;
    int64_t hours;
  } cases[] = {{"CST-8", Make(2024, 7, 1, 12), 8},
               {"CET-1CEST,M3.5.0,M10.5.0/3", Make(2024, 7, 1, 12), 2},
               {"CET-1CEST,M3.5.0,M10.5.0/3", Make(2024, 1, 1, 12), 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.zone + std::to_string(c.utc.wMonth));
    ZoneScope zone(c.zone);
    FILETIME utc{}, local{}, back{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.utc, &utc));
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(static_cast<int64_t>(Ticks(local) - Ticks(utc)), c.hours * 36000000000LL);
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(Ticks(back), Ticks(utc));
  }
}

TEST(Time, NowAgreesWithTheSystemClock) {
  ZoneScope zone("CST-8");
  SYSTEMTIME utc{}, local{};
  GetSystemTime(&utc);
  GetLocalTime(&local);
  const uint64_t expected = static_cast<uint64_t>(time(nullptr)) * 10000000ULL + 116444736000000000ULL;
  // Within two seconds, allowing the clock to turn over between the reads.
  FILETIME now{};
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &now));
  EXPECT_LT(std::llabs(static_cast<long long>(Ticks(now) - expected)), 20000000LL);
  EXPECT_EQ((local.wHour + 24 - utc.wHour) % 24, 8);
  GetSystemTime(nullptr);  // ignored
  // The tick count is the monotonic clock in milliseconds, modulo 2^32.
  timespec mono{};
  clock_gettime(CLOCK_MONOTONIC, &mono);
  DWORD expectedTicks = static_cast<DWORD>(static_cast<uint64_t>(mono.tv_sec) * 1000 + mono.tv_nsec / 1000000);
  EXPECT_LT(GetTickCount() - expectedTicks, 1000u);
}

}  // namespace
