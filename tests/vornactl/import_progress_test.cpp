// `vornactl import` shows how far it is on a terminal, and only there.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "temp_root.h"
#include "vornactl_runner.h"

namespace {

// What vornactl writes on a terminal standing for its stderr.
std::string TerminalOutput(const std::vector<std::string>& args) {
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) return "forkpty failed";
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    const std::string program = (vorna::test::BuiltProgramsDir() / "vornactl").string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  std::string out;
  char buffer[4096];
  for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
  close(master);
  int status = 0;
  waitpid(pid, &status, 0);
  return out;
}

TEST(ImportProgress, ShownOnATerminalAndNowhereElse) {
  vorna::test::TempDeviceRoot root;
  const std::string file = (root.path() / "cards.vcf").string();
  {
    std::ofstream cards(file, std::ios::binary);
    for (int i = 0; i < 1000; ++i) cards << "BEGIN:VCARD\nVERSION:2.1\nN:;Person " << i << "\nEND:VCARD\n";
  }
  const std::string shown = TerminalOutput({"--root", (root.path() / "tty").string(), "import", file});
  EXPECT_NE(shown.find("\rimporting " + file + ": 200 / 1000 cards"), std::string::npos) << shown;
  EXPECT_NE(shown.find("1000 / 1000 cards\r\n"), std::string::npos) << shown;  // the terminal adds the CR

  const auto piped = vorna::test::RunVornactl({"--root", (root.path() / "pipe").string(), "import", file});
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.err, "");
  EXPECT_EQ(std::count(piped.out.begin(), piped.out.end(), '\n'), 1000);
}

}  // namespace
