// Runs the built vornactl as a script would and collects what it said.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "temp_root.h"

namespace vorna::test {

struct VornactlResult {
  int status;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs vornactl with the arguments (and environment assignments in front,
// "VORNA_UI_LANG=0409"); its exit status, stdout and stderr.
inline VornactlResult RunVornactl(const std::vector<std::string>& args, const std::string& env = "") {
  const std::filesystem::path errFile =
      std::filesystem::temp_directory_path() / ("vornactl-err-" + std::to_string(getpid()));
  std::string command = env + " " + ShellQuote((BuiltProgramsDir() / "vornactl").string());
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " 2>" + ShellQuote(errFile.string());
  VornactlResult result{-1, {}, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadFileBytes(errFile);
  std::filesystem::remove(errFile);
  return result;
}

}  // namespace vorna::test
