#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "temp_root.h"

namespace {

using vorna::test::BuiltProgramsDir;
using vorna::test::RunProgram;

std::filesystem::path Vornactl() { return BuiltProgramsDir() / "vornactl"; }

TEST(VornactlCli, HelpAndVersionSucceed) {
  EXPECT_EQ(RunProgram(Vornactl(), {"--help"}), 0);
  EXPECT_EQ(RunProgram(Vornactl(), {"--version"}), 0);
}

TEST(VornactlCli, UsageErrorsExitWithTwo) {
  EXPECT_EQ(RunProgram(Vornactl(), {}), 2);
  EXPECT_EQ(RunProgram(Vornactl(), {"no-such-command"}), 2);
  EXPECT_EQ(RunProgram(Vornactl(), {"--root"}), 2);
  EXPECT_EQ(RunProgram(Vornactl(), {"--bogus", "root"}), 2);
  EXPECT_EQ(RunProgram(Vornactl(), {"root", "extra"}), 2);
}

TEST(VornactlCli, RootOptionChoosesTheDeviceRoot) {
  vorna::test::TempDeviceRoot root;
  auto out = root.path() / "out.txt";
  std::string cmd = Vornactl().string() + " --root " + (root.path() / "elsewhere").string() +
                    " --json root > " + out.string();
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(out);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "{\"root\":\"" + (root.path() / "elsewhere").string() + "\"}");
}

}  // namespace
