// A second process for cross-process tests: runs one of the test peers
// (ce_ipc_peer, ce_core_peer) with arguments and reads the lines it prints,
// so a test waits for the peer's report rather than for time to pass. The
// peer's stdin stays open until Wait, for peers that hold something until then.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "temp_root.h"

namespace vorna::test {

// Runs ce_core_peer to its end; its exit status.
inline int RunCorePeer(const std::vector<std::string>& args) {
  return RunProgram(BuiltProgramsDir() / "ce_core_peer", args);
}

class PeerProcess {
 public:
  PeerProcess(const char* peer, std::vector<std::string> args) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) return;
    std::string program = (BuiltProgramsDir() / peer).string();
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
    out_ = fdopen(output[0], "r");
  }
  ~PeerProcess() {
    if (pid_ > 0 && !waited_) {
      kill(pid_, SIGKILL);
      Wait();
    }
    if (out_) fclose(out_);
  }
  PeerProcess(const PeerProcess&) = delete;
  PeerProcess& operator=(const PeerProcess&) = delete;

  // The next line the peer printed, without its newline; empty at its end.
  std::string ReadLine() {
    std::string line;
    if (!out_) return line;
    for (int c = fgetc(out_); c != EOF && c != '\n'; c = fgetc(out_)) line += static_cast<char>(c);
    return line;
  }

  // Closes the peer's stdin and waits for it: its exit status, or -1 when it
  // did not exit normally.
  int Wait() {
    if (stdin_ >= 0) close(stdin_);
    stdin_ = -1;
    int status = 0;
    waited_ = true;
    if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1;
  FILE* out_ = nullptr;
  bool waited_ = false;
};

}  // namespace vorna::test
