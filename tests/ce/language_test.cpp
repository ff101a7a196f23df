#include <gtest/gtest.h>

#include <cstdlib>

#include "temp_root.h"
#include "windows.h"

namespace {

void SetRegistryLanguage(DWORD value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"MUI", 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExW(key, L"UILanguage", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

TEST(Language, EnvironmentThenRegistryChooseTheLanguageAndBadValuesFallBack) {
  vorna::test::TempDeviceRoot root;
  struct Case {
    const char* value;
    LANGID expected;
  } cases[] = {
      {"0409", 0x0409}, {"0x0409", 0x0409}, {"804", 0x0804}, {"", 0x0804},
      {"zh", 0x0804},   {"0", 0x0804},      {"10409", 0x0804}, {"04 09", 0x0804},
  };
  for (const Case& c : cases) {
    setenv("VORNA_UI_LANG", c.value, 1);
    EXPECT_EQ(GetUserDefaultUILanguage(), c.expected) << '"' << c.value << '"';
  }
  unsetenv("VORNA_UI_LANG");
  EXPECT_EQ(GetUserDefaultUILanguage(), 0x0804);

  // Without the environment the registry answers.
  SetRegistryLanguage(0x0409);
  EXPECT_EQ(GetUserDefaultUILanguage(), 0x0409);
  setenv("VORNA_UI_LANG", "0804", 1);
  EXPECT_EQ(GetUserDefaultUILanguage(), 0x0804);
  unsetenv("VORNA_UI_LANG");
  SetRegistryLanguage(0x12345);  // not a language id
  EXPECT_EQ(GetUserDefaultUILanguage(), 0x0804);
}

}  // namespace
