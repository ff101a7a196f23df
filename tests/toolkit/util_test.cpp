#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "qzfc/DebugTime.h"
#include "qzfc/QzUtil.h"
#include "temp_root.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(QzUtil, NamedPaths) {
  CQzStringW path(L"unchanged");
  EXPECT_FALSE(QzGetPath(L"NoSuchPath", path));
  EXPECT_FALSE(QzGetPath(nullptr, path));
  EXPECT_EQ(path, L"unchanged");
  ASSERT_TRUE(QzGetPath(L"UserRingPath", path));
  EXPECT_EQ(path.GetAt(0), L'\\');
  CQzStringW system;
  ASSERT_TRUE(QzGetPath(L"settingringpath", system));
  EXPECT_NE(path, system);
  EXPECT_EQ(GetDefaultAcp(), 936u);
}

TEST(DebugTime, WritesLabelAndElapsedTimeWhenTheScopeEnds) {
  vorna::test::TempDeviceRoot root;
  { CDebugTime trace(L"CContactWnd::CalAlphabetMap()"); }
  { CDebugTime unnamed(nullptr); }
  std::string log = ReadFile(root.path() / "log" / "debug.log");
  EXPECT_TRUE(std::regex_search(log, std::regex(R"(CContactWnd::CalAlphabetMap\(\): \d+\.\d{3} ms)"))) << log;
  EXPECT_NE(log.find("(unnamed): "), std::string::npos) << log;
}

}  // namespace
