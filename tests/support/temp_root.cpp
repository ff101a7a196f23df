#include "temp_root.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "ce/device.h"

namespace vorna::test {

TempDeviceRoot::TempDeviceRoot() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vorna-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary device root";
  path_ = pattern;
  // Child processes started by the test find the same root through the environment.
  setenv("VORNA_ROOT", path_.c_str(), 1);
  ce::SetDeviceRoot(path_);
}

TempDeviceRoot::~TempDeviceRoot() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path BuiltProgramsDir() {
  char self[4096];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return {};
  self[n] = 0;
  return std::filesystem::path(self).parent_path();
}

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args) {
  pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    std::vector<char*> argv;
    std::string name = program.string();
    argv.push_back(name.data());
    std::vector<std::string> copies(args);
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(name.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vorna::test
