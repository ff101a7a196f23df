#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "../ce/test_helpers.h"
#include "qzfc/QzDateTime.h"

namespace {

using vorna::test::ZoneScope;

SYSTEMTIME Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  auto w = [](int v) { return static_cast<WORD>(v); };
  return SYSTEMTIME{w(y), w(mo), 0, w(d), w(h), w(mi), w(s), 0};
}

TEST(DateTime, ConversionsBothWaysAreUtcOrFollowTheZone) {
  ZoneScope zone("Asia/Shanghai");
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
  ZoneScope zone("America/New_York");
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

TEST(DateTime, MaxDaysInMonthAndTextFormats) {
  // (month, year, days): leap years by the four, hundred and four hundred rules.
  for (auto [month, year, days] : {std::tuple{1, 2025, 31}, {4, 2025, 30}, {2, 2023, 28}, {2, 2024, 29}, {2, 1900, 28},
                                   {2, 2000, 29}, {0, 2025, 0}, {13, 2025, 0}})
    EXPECT_EQ(MaxDaysInMonth(month, year), days) << month << "/" << year;

  SYSTEMTIME now = Time(2025, 12, 6, 18, 0);
  auto text = [&](SYSTEMTIME t, DWORD format) { return std::wstring(GetDateTimeStringAt(t, format, now)); };
  // Birthdays come from stored text; what does not make a date shows nothing.
  for (auto [time, format, expected] :
       {std::tuple{Time(2025, 12, 6, 10, 15), 6, L"12-06 10:15"}, {Time(2025, 12, 6, 10, 15), 7, L"10:15"},
        {Time(2025, 12, 5, 9, 5), 7, L"12-05 09:05"}, {Time(2024, 12, 6, 10, 15), 7, L"2024-12-06"},
        {Time(2025, 3, 1), 11, L"2025"}, {Time(1990, 5, 17), 14, L"1990-05-17"},
        {Time(2025, 12, 6, 10, 15), 0, L"2025-12-06 10:15"}, {Time(0, 0, 0), 14, L""}, {Time(1990, 2, 30), 14, L""},
        {Time(2025, 12, 6, 25, 0), 6, L""}, {Time(0, 1, 1), 11, L""}})
    EXPECT_EQ(text(time, static_cast<DWORD>(format)), expected) << "format " << format;
  EXPECT_EQ(GetDateTimeString(static_cast<const SYSTEMTIME*>(nullptr), 6), L"");
}

}  // namespace
