// vornactl: the telephony library for scripts and people without a screen.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "DeviceCheck.h"
#include "ce/device.h"
#include "command.h"

namespace vornactl {

std::vector<Command>& MutableCommands() {
  static std::vector<Command> commands;
  return commands;
}

const std::vector<Command>& Commands() { return MutableCommands(); }

bool RegisterCommand(const Command& command) {
  MutableCommands().push_back(command);
  return true;
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "vornactl: %s\n", message.c_str());
  return kExitUsage;
}

namespace {

// "  USAGE   SUMMARY", the summary on a line of its own under a usage too
// long for the column.
void PrintCommand(std::FILE* out, const Command& c) {
  constexpr int kColumn = 40;
  if (std::strlen(c.usage) <= kColumn)
    std::fprintf(out, "  %-*s %s\n", kColumn, c.usage, c.summary);
  else
    std::fprintf(out, "  %s\n  %-*s %s\n", c.usage, kColumn, "", c.summary);
}

void PrintHelp(std::FILE* out) {
  std::fprintf(out,
               "usage: vornactl [--root DIR] [--json] COMMAND [ARGS...]\n"
               "\n"
               "The handset's telephony functions from the command line.\n"
               "\n"
               "options:\n"
               "  --root DIR   use the device root DIR (default: $VORNA_ROOT, else\n"
               "               $XDG_DATA_HOME/vorna, else ~/.local/share/vorna)\n"
               "  --json       print results as JSON\n"
               "  --help       show this help\n"
               "  --version    show the version\n");
  auto commands = Commands();
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
  if (!commands.empty()) std::fprintf(out, "\ncommands:\n");
  for (const Command& c : commands) PrintCommand(out, c);
  std::fprintf(out,
               "\nexit status: 0 found or done, 1 not found, 2 usage error, bad input or a device\n"
               "root (or contacts store) that cannot be used\n");
}

const Command* FindCommand(const std::string& name) {
  for (const Command& c : Commands())
    if (name == c.name) return &c;
  return nullptr;
}

}  // namespace
}  // namespace vornactl

int main(int argc, char** argv) {
  using namespace vornactl;
  Invocation inv;
  std::string commandName;
  bool commandHelp = false;  // "COMMAND --help": that command's usage
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--root" || arg.rfind("--root=", 0) == 0) {
      std::string dir;
      if (arg == "--root") {
        if (i + 1 >= argc) return UsageError("--root needs a folder");
        dir = argv[++i];
      } else {
        dir = arg.substr(7);
      }
      if (!ce::SetDeviceRoot(dir)) return UsageError("--root needs a folder");
    } else if (arg == "--json") {
      inv.json = true;
    } else if (arg == "--help" || arg == "-h") {
      if (commandName.empty()) {
        PrintHelp(stdout);
        return kExitOk;
      }
      commandHelp = true;
    } else if (arg == "--version" && commandName.empty()) {  // after a command, export's own option
      std::printf("vornactl %s\n", VORNA_VERSION);
      return kExitOk;
    } else if (commandName.empty()) {
      if (!arg.empty() && arg[0] == '-') return UsageError("unknown option " + arg);
      commandName = arg;
    } else {
      inv.args.push_back(arg);
    }
  }
  if (commandName.empty()) {
    PrintHelp(stderr);
    return kExitUsage;
  }
  const Command* command = FindCommand(commandName);
  if (!command) return UsageError("unknown command '" + commandName + "' (see vornactl --help)");
  if (commandHelp) {
    std::printf("usage: vornactl [--root DIR] [--json] %s\n\n%s\n", command->usage, command->summary);
    return kExitOk;
  }
  std::string unusable;
  if (!vorna::device::CheckDevice(unusable)) {
    std::fprintf(stderr, "vornactl: %s\n", unusable.c_str());
    return kExitUsage;
  }
  return command->run(inv);
}
