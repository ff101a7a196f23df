#include <gtest/gtest.h>

#include "core/util/FileBaseName.h"

TEST(FileBaseName, KeepsTheNameBetweenTheLastBackslashAndTheLastDot) {
  EXPECT_STREQ(GetFileBaseName(L"\\Windows\\Rings\\Bell.wav").GetString(), L"Bell");
  EXPECT_STREQ(GetFileBaseName(L"Bell").GetString(), L"Bell");
  EXPECT_STREQ(GetFileBaseName(L"\\My.Rings\\Old.Bell.wav").GetString(), L"Old.Bell");
  EXPECT_STREQ(GetFileBaseName(L"\\Rings\\").GetString(), L"");
  EXPECT_STREQ(GetFileBaseName(nullptr).GetString(), L"");
}
