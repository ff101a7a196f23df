#include <gtest/gtest.h>

#include <string>

#include "temp_root.h"
#include "test_helpers.h"
#include "windows.h"

namespace {

using vorna::test::ReadWhole;

TEST(Debug, FormatsWideTextTheHandsetWayTranslatingOnlyTextConversions) {
  vorna::test::TempDeviceRoot root;
  NKDbgPrintfW(L"%s has %d calls, %S, %c%C, %5.1f%%\n", L"张三", 3, "narrow", L'中', 'x', 2.5);
  NKDbgPrintfW(L"no newline %ls|%hs", L"wide", "narrow");
  std::string log = ReadWhole(root.path() / "log" / "debug.log");
  EXPECT_NE(log.find("张三 has 3 calls, narrow, 中x,   2.5%\n"), std::string::npos) << log;
  EXPECT_NE(log.find("no newline wide|narrow\n"), std::string::npos) << log;
  NKDbgPrintfW(nullptr);  // ignored, not a crash

  EXPECT_EQ(ce::TranslateDebugFormat(L"%s %S %-10s %hs %ls %ws %d %ld %%s %c %C"),
            L"%ls %s %-10ls %s %ls %ls %d %ld %%s %lc %c");
}

TEST(Debug, LogIsRotatedAtItsCap) {
  vorna::test::TempDeviceRoot root;
  std::wstring line(1000, L'x');
  size_t lines = ce::kDebugLogLimit / 1000 + 10;
  for (size_t i = 0; i < lines; ++i) NKDbgPrintfW(L"%s\n", line.c_str());
  auto log = root.path() / "log" / "debug.log";
  auto older = root.path() / "log" / "debug.log.1";
  ASSERT_TRUE(std::filesystem::exists(older));
  EXPECT_LE(std::filesystem::file_size(log), ce::kDebugLogLimit);
  EXPECT_LE(std::filesystem::file_size(older), ce::kDebugLogLimit);
  // Every line is whole in one file or the other.
  std::string all = ReadWhole(older) + ReadWhole(log);
  size_t count = 0;
  for (size_t at = all.find(std::string(1000, 'x') + "\n"); at != std::string::npos;
       at = all.find(std::string(1000, 'x') + "\n", at + 1001))
    ++count;
  EXPECT_EQ(count, lines);
}

}  // namespace
