#include <gtest/gtest.h>

#include "qzfc/QzRegKey.h"
#include "temp_root.h"

namespace {

void SetValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"ControlPanel\\Volume", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST(QzRegKey, ReadsTheKeyClickSetting) {
  vorna::test::TempDeviceRoot root;
  CQzRegKey key;
  DWORD value = 7;
  EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, L"ControlPanel\\Volume"));  // not there yet
  EXPECT_FALSE(key.QueryValue(L"Key", value));
  EXPECT_EQ(value, 7u);

  DWORD muted = 0x10000;
  SetValue(L"Key", REG_DWORD, &muted, sizeof muted);
  const wchar_t text[] = L"Ring 1";
  SetValue(L"Name", REG_SZ, text, sizeof text);

  ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, L"controlpanel\\volume"));
  EXPECT_TRUE(key.IsOpen());
  EXPECT_TRUE(key.QueryValue(L"Key", value));
  EXPECT_EQ(value, 0x10000u);
  CQzStringW name;
  EXPECT_TRUE(key.QueryValue(L"Name", name));
  EXPECT_EQ(name, L"Ring 1");

  // Wrong type or missing value: FALSE, output untouched.
  EXPECT_FALSE(key.QueryValue(L"Name", value));
  EXPECT_EQ(value, 0x10000u);
  EXPECT_FALSE(key.QueryValue(L"Key", name));
  EXPECT_FALSE(key.QueryValue(L"Missing", name));
  EXPECT_EQ(name, L"Ring 1");

  key.Close();
  key.Close();
  EXPECT_FALSE(key.IsOpen());
  EXPECT_FALSE(key.QueryValue(L"Key", value));
}

TEST(QzRegKey, TextWithoutTerminatorOrWithEmbeddedZero) {
  vorna::test::TempDeviceRoot root;
  const wchar_t bare[] = {L'a', L'b', L'c'};
  SetValue(L"Bare", REG_SZ, bare, sizeof bare);
  const wchar_t embedded[] = L"ab\0cd";
  SetValue(L"Embedded", REG_SZ, embedded, sizeof embedded);
  CQzRegKey key;
  ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, L"ControlPanel\\Volume", KEY_READ));
  CQzStringW value;
  EXPECT_TRUE(key.QueryValue(L"Bare", value));
  EXPECT_EQ(value, L"abc");
  EXPECT_TRUE(key.QueryValue(L"Embedded", value));
  EXPECT_EQ(value, L"ab");
}

}  // namespace
