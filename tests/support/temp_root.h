// A fresh, empty device root for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vorna::test {

class TempDeviceRoot {
 public:
  TempDeviceRoot();
  ~TempDeviceRoot();
  TempDeviceRoot(const TempDeviceRoot&) = delete;
  TempDeviceRoot& operator=(const TempDeviceRoot&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The folder holding the built programs (tests start some as second processes).
std::filesystem::path BuiltProgramsDir();

// Runs a program to completion; returns its exit status (or -1 if it could
// not be started or did not exit normally). Output goes to the test's log.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args);

}  // namespace vorna::test
