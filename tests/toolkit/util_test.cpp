// Named paths, the scope timer and registry reads.
#include <gtest/gtest.h>

#include <regex>

#include "qzfc/DebugTime.h"
#include "qzfc/QzRegKey.h"
#include "qzfc/QzUtil.h"
#include "../ce/test_helpers.h"
#include "temp_root.h"

namespace {

TEST(QzUtil, NamedPaths) {
  CQzStringW user(L"unchanged");
  EXPECT_FALSE(QzGetPath(L"NoSuchPath", user));
  EXPECT_FALSE(QzGetPath(nullptr, user));
  EXPECT_EQ(user, L"unchanged");
  CQzStringW system;
  ASSERT_TRUE(QzGetPath(L"UserRingPath", user));
  ASSERT_TRUE(QzGetPath(L"settingringpath", system));
  EXPECT_EQ(user.GetAt(0), L'\\');
  EXPECT_NE(user, system);
}

TEST(DebugTime, WritesLabelAndElapsedTimeWhenTheScopeEnds) {
  vorna::test::TempDeviceRoot root;
  { CDebugTime trace(L"CContactWnd::CalAlphabetMap()"); }
  { CDebugTime unnamed(nullptr); }
  const std::string log = vorna::test::ReadWhole(root.path() / "log" / "debug.log");
  EXPECT_TRUE(std::regex_search(log, std::regex(R"(CContactWnd::CalAlphabetMap\(\): \d+\.\d{3} ms)"))) << log;
  EXPECT_NE(log.find("(unnamed): "), std::string::npos) << log;
}

void SetValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST(QzRegKey, ReadsValuesAndLeavesOutputsAloneOnFailure) {
  vorna::test::TempDeviceRoot root;
  CQzRegKey key;
  DWORD value = 7;
  EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, L"ControlPanel\\Volume"));  // not there yet
  EXPECT_FALSE(key.QueryValue(L"Key", value));
  EXPECT_EQ(value, 7u);

  DWORD muted = 0x10000;
  SetValue(L"Key", REG_DWORD, &muted, sizeof muted);
  const wchar_t bare[] = {L'a', L'b', L'c'};  // stored without a terminator
  SetValue(L"Bare", REG_SZ, bare, sizeof bare);
  const wchar_t embedded[] = L"ab\0cd";
  SetValue(L"Embedded", REG_SZ, embedded, sizeof embedded);

  ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, L"controlpanel\\volume"));
  EXPECT_TRUE(key.QueryValue(L"Key", value));
  EXPECT_EQ(value, 0x10000u);
  CQzStringW text;
  EXPECT_TRUE(key.QueryValue(L"Bare", text));
  EXPECT_EQ(text, L"abc");
  EXPECT_TRUE(key.QueryValue(L"Embedded", text));
  EXPECT_EQ(text, L"ab");

  EXPECT_FALSE(key.QueryValue(L"Bare", value));  // wrong type
  EXPECT_EQ(value, 0x10000u);
  EXPECT_FALSE(key.QueryValue(L"Key", text));
  EXPECT_FALSE(key.QueryValue(L"Missing", text));
  EXPECT_EQ(text, L"ab");

  key.Close();
  key.Close();
  EXPECT_FALSE(key.QueryValue(L"Key", value));
}

}  // namespace
