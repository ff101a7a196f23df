// Runs ce_core_peer, the second process of the registry and clipboard tests.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "temp_root.h"

namespace vorna::test {

inline int RunCorePeer(const std::vector<std::string>& args) {
  return RunProgram(BuiltProgramsDir() / "ce_core_peer", args);
}

// A peer running beside the test: its stdin stays open until Finish, and
// ReadLine waits for what it reports on stdout.
class RunningCorePeer {
 public:
  explicit RunningCorePeer(std::vector<std::string> args) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) return;
    std::string program = (BuiltProgramsDir() / "ce_core_peer").string();
    pid_ = fork();
    if (pid_ == 0) {
      dup2(input[0], STDIN_FILENO);
      dup2(output[1], STDOUT_FILENO);
      std::vector<char*> argv{program.data()};
      for (auto& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    close(input[0]);
    close(output[1]);
    stdin_ = input[1];
    stdout_ = output[0];
  }
  ~RunningCorePeer() { Finish(); }
  RunningCorePeer(const RunningCorePeer&) = delete;
  RunningCorePeer& operator=(const RunningCorePeer&) = delete;

  std::string ReadLine() {
    std::string line;
    char c;
    while (read(stdout_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  // Closes the peer's stdin and waits for it; its exit status, or -1.
  int Finish() {
    if (pid_ <= 0) return -1;
    close(stdin_);
    close(stdout_);
    int status = 0;
    pid_t waited = waitpid(pid_, &status, 0);
    pid_ = -1;
    return waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1;
  int stdout_ = -1;
};

}  // namespace vorna::test
