#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "qzfc/DebugTime.h"
#include "qzfc/QzUtil.h"
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
  std::stringstream log;
  log << std::ifstream(root.path() / "log" / "debug.log").rdbuf();
  EXPECT_TRUE(std::regex_search(log.str(), std::regex(R"(CContactWnd::CalAlphabetMap\(\): \d+\.\d{3} ms)")))
      << log.str();
  EXPECT_NE(log.str().find("(unnamed): "), std::string::npos) << log.str();
}

}  // namespace
