#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "windows.h"

namespace {

SYSTEMTIME Make(WORD y, WORD mo, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0, WORD ms = 0) {
  SYSTEMTIME t{};
  t.wYear = y;
  t.wMonth = mo;
  t.wDay = d;
  t.wHour = h;
  t.wMinute = mi;
  t.wSecond = s;
  t.wMilliseconds = ms;
  return t;
}

uint64_t Ticks(const FILETIME& f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; }

// Runs the body with TZ set, restoring the previous zone afterwards.
class ZoneScope {
 public:
  explicit ZoneScope(const char* zone) {
    if (const char* old = std::getenv("TZ")) {
      saved_ = old;
      had_ = true;
    }
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ZoneScope() {
    if (had_) {
      setenv("TZ", saved_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::string saved_;
  bool had_ = false;
};

TEST(Time, SystemTimeAndFileTimeConvertBothWays) {
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
    EXPECT_EQ(back.wYear, c.time.wYear);
    EXPECT_EQ(back.wMonth, c.time.wMonth);
    EXPECT_EQ(back.wDay, c.time.wDay);
    EXPECT_EQ(back.wHour, c.time.wHour);
    EXPECT_EQ(back.wMilliseconds, c.time.wMilliseconds);
    EXPECT_EQ(back.wDayOfWeek, c.dayOfWeek);
  }
}

TEST(Time, InvalidTimesAreRefused) {
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
  SYSTEMTIME summer = Make(2024, 7, 1, 12);
  SYSTEMTIME winter = Make(2024, 1, 1, 12);
  FILETIME utcSummer{}, utcWinter{}, local{}, back{};
  ASSERT_TRUE(SystemTimeToFileTime(&summer, &utcSummer));
  ASSERT_TRUE(SystemTimeToFileTime(&winter, &utcWinter));
  constexpr int64_t kHour = 36000000000LL;
  {
    ZoneScope zone("CST-8");  // POSIX rules, so no time zone database is needed
    ASSERT_TRUE(FileTimeToLocalFileTime(&utcSummer, &local));
    EXPECT_EQ(static_cast<int64_t>(Ticks(local) - Ticks(utcSummer)), 8 * kHour);
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(Ticks(back), Ticks(utcSummer));
  }
  {
    ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(FileTimeToLocalFileTime(&utcSummer, &local));
    EXPECT_EQ(static_cast<int64_t>(Ticks(local) - Ticks(utcSummer)), 2 * kHour);
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(Ticks(back), Ticks(utcSummer));
    ASSERT_TRUE(FileTimeToLocalFileTime(&utcWinter, &local));
    EXPECT_EQ(static_cast<int64_t>(Ticks(local) - Ticks(utcWinter)), 1 * kHour);
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
    EXPECT_EQ(Ticks(back), Ticks(utcWinter));
  }
}

TEST(Time, NowAgreesWithTheSystemClock) {
  ZoneScope zone("CST-8");  // POSIX rules, so no time zone database is needed
  SYSTEMTIME utc{}, local{};
  GetSystemTime(&utc);
  GetLocalTime(&local);
  time_t now = time(nullptr);
  tm expected{};
  gmtime_r(&now, &expected);
  // Compare to the minute, allowing the clock to turn over between the reads.
  FILETIME a{}, b{};
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &a));
  SYSTEMTIME fromC = Make(static_cast<WORD>(expected.tm_year + 1900), static_cast<WORD>(expected.tm_mon + 1),
                          static_cast<WORD>(expected.tm_mday), static_cast<WORD>(expected.tm_hour),
                          static_cast<WORD>(expected.tm_min), static_cast<WORD>(expected.tm_sec));
  ASSERT_TRUE(SystemTimeToFileTime(&fromC, &b));
  EXPECT_LT(std::llabs(static_cast<long long>(Ticks(a) - Ticks(b))), 20000000LL);
  EXPECT_EQ((local.wHour + 24 - utc.wHour) % 24, 8);
  GetSystemTime(nullptr);  // ignored
  // The tick count is the monotonic clock in milliseconds, modulo 2^32.
  timespec mono{};
  clock_gettime(CLOCK_MONOTONIC, &mono);
  DWORD expectedTicks = static_cast<DWORD>(static_cast<uint64_t>(mono.tv_sec) * 1000 + mono.tv_nsec / 1000000);
  EXPECT_LT(GetTickCount() - expectedTicks, 1000u);
}

TEST(Time, CompareFileTimeOrders) {
  FILETIME early{5, 1}, late{4, 2};
  EXPECT_EQ(CompareFileTime(&early, &late), -1);
  EXPECT_EQ(CompareFileTime(&late, &early), 1);
  EXPECT_EQ(CompareFileTime(&late, &late), 0);
}

}  // namespace
