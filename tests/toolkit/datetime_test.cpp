#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "qzfc/QzDateTime.h"

namespace {

// Sets TZ for one test and restores it afterwards.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = getenv("TZ")) old_ = old, hadOld_ = true;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (hadOld_)
      setenv("TZ", old_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::string old_;
  bool hadOld_ = false;
};

SYSTEMTIME Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(y);
  t.wMonth = static_cast<WORD>(mo);
  t.wDay = static_cast<WORD>(d);
  t.wHour = static_cast<WORD>(h);
  t.wMinute = static_cast<WORD>(mi);
  t.wSecond = static_cast<WORD>(s);
  return t;
}

TEST(DateTime, UnixToLocalFollowsTz) {
  TimeZone zone("Asia/Shanghai");
  SYSTEMTIME t{};
  ASSERT_TRUE(UnixTimetoLocalSystemTime(1764987330, &t));  // 2025-12-06 02:15:30 UTC
  // Saturday, 10:15:30 in Shanghai.
  EXPECT_EQ((std::vector<int>{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek}),
            (std::vector<int>{2025, 12, 6, 10, 15, 30, 6}));
  EXPECT_FALSE(UnixTimetoLocalSystemTime(0, nullptr));
  EXPECT_FALSE(UnixTimetoLocalSystemTime(-20000000000LL, t));  // before 1601

  // The UTC form ignores the zone.
  ASSERT_TRUE(UnixTimetoSystemTime(1764987330, t));
  EXPECT_EQ((std::vector<int>{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek}),
            (std::vector<int>{2025, 12, 6, 2, 15, 30, 6}));
  EXPECT_FALSE(UnixTimetoSystemTime(-20000000000LL, t));
}

TEST(DateTime, SystemTimeToUnixIsUtcAndLocalUsesTheZone) {
  TimeZone zone("Asia/Shanghai");
  EXPECT_EQ(SystemTimetoUnixTime(Time(2025, 12, 6, 2, 15, 30)), 1764987330);
  EXPECT_EQ(LocalSystemTimetoUnixTime(Time(2025, 12, 6, 10, 15, 30)), 1764987330);
  EXPECT_EQ(SystemTimetoUnixTime(Time(2038, 1, 19, 3, 14, 8)), 2147483648LL);  // past 32 bits
  EXPECT_EQ(SystemTimetoUnixTime(Time(2024, 2, 29)), 1709164800);
  // Impossible times give 0 rather than a normalised neighbour.
  EXPECT_EQ(SystemTimetoUnixTime(Time(2023, 2, 29)), 0);
  EXPECT_EQ(SystemTimetoUnixTime(Time(2025, 13, 1)), 0);
  EXPECT_EQ(SystemTimetoUnixTime(Time(2025, 1, 1, 24)), 0);
  EXPECT_EQ(LocalSystemTimetoUnixTime(Time(2025, 0, 1)), 0);
  EXPECT_EQ(SystemTimetoUnixTime(nullptr), 0);
}

TEST(DateTime, LocalRoundTripAcrossDaylightSaving) {
  TimeZone zone("America/New_York");
  // Every hour of 2025, both daylight-saving changes included.
  for (LONGLONG t = 1735707600; t < 1767243600; t += 3600) {
    SYSTEMTIME local{};
    ASSERT_TRUE(UnixTimetoLocalSystemTime(t, local));
    LONGLONG back = LocalSystemTimetoUnixTime(local);
    // The repeated hour in November is ambiguous; either reading is local time.
    if (back != t) {
      SYSTEMTIME again{};
      ASSERT_TRUE(UnixTimetoLocalSystemTime(back, again));
      EXPECT_EQ(GetDateTimeString(again, 99), GetDateTimeString(local, 99)) << t;
      EXPECT_EQ(std::llabs(back - t), 3600) << t;
    }
  }
}

TEST(DateTime, MaxDaysInMonth) {
  EXPECT_EQ(MaxDaysInMonth(1, 2025), 31);
  EXPECT_EQ(MaxDaysInMonth(4, 2025), 30);
  EXPECT_EQ(MaxDaysInMonth(2, 2023), 28);
  EXPECT_EQ(MaxDaysInMonth(2, 2024), 29);
  EXPECT_EQ(MaxDaysInMonth(2, 1900), 28);
  EXPECT_EQ(MaxDaysInMonth(2, 2000), 29);
  EXPECT_EQ(MaxDaysInMonth(0, 2025), 0);
  EXPECT_EQ(MaxDaysInMonth(13, 2025), 0);
}

TEST(DateTime, TextFormats) {
  SYSTEMTIME now = Time(2025, 12, 6, 18, 0);
  auto text = [&](SYSTEMTIME t, DWORD format) { return std::wstring(GetDateTimeStringAt(t, format, now)); };
  EXPECT_EQ(text(Time(2025, 12, 6, 10, 15), 6), L"12-06 10:15");
  EXPECT_EQ(text(Time(2025, 12, 6, 10, 15), 7), L"10:15");
  EXPECT_EQ(text(Time(2025, 12, 5, 9, 5), 7), L"12-05 09:05");
  EXPECT_EQ(text(Time(2024, 12, 6, 10, 15), 7), L"2024-12-06");
  EXPECT_EQ(text(Time(2025, 3, 1), 11), L"2025");
  EXPECT_EQ(text(Time(1990, 5, 17), 14), L"1990-05-17");
  EXPECT_EQ(text(Time(2025, 12, 6, 10, 15), 0), L"2025-12-06 10:15");
  // Birthdays come from stored text; what does not make a date shows nothing.
  EXPECT_EQ(text(Time(0, 0, 0), 14), L"");
  EXPECT_EQ(text(Time(1990, 2, 30), 14), L"");
  EXPECT_EQ(text(Time(2025, 12, 6, 25, 0), 6), L"");
  EXPECT_EQ(text(Time(0, 1, 1), 11), L"");
  EXPECT_EQ(GetDateTimeString(static_cast<const SYSTEMTIME*>(nullptr), 6), L"");
}

}  // namespace
