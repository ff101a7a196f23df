// vornactl's command table. Each command lives in its own file and registers
// itself with a static VORNACTL_COMMAND; main() parses the common options
// (--root, --json) and hands the rest to the command.
#pragma once

#include <string>
#include <vector>

namespace vornactl {

enum ExitCode { kExitOk = 0, kExitNotFound = 1, kExitUsage = 2 };

struct Invocation {
  std::vector<std::string> args;  // after the command name, common options removed
  bool json = false;
};

struct Command {
  const char* name;
  const char* usage;    // e.g. "identify NUMBER"
  const char* summary;  // one line for --help
  int (*run)(const Invocation&);
};

const std::vector<Command>& Commands();
bool RegisterCommand(const Command& command);

// Prints "vornactl: <message>" on stderr and returns kExitUsage.
int UsageError(const std::string& message);

}  // namespace vornactl

#define VORNACTL_CAT2(a, b) a##b
#define VORNACTL_CAT(a, b) VORNACTL_CAT2(a, b)
#define VORNACTL_COMMAND(...) \
  static const bool VORNACTL_CAT(vornactl_registered_, __LINE__) = ::vornactl::RegisterCommand(__VA_ARGS__)
