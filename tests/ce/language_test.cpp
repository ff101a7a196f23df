#include <gtest/gtest.h>

#include <cstdlib>

#include "windows.h"

namespace {

TEST(Language, EnvironmentChoosesTheLanguageAndBadValuesFallBack) {
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
}

}  // namespace
