// `vornactl root`: prints the device root in use, so scripts can find the data.
#include <cstdio>

#include "ce/device.h"
#include "command.h"
#include "json.h"

namespace {

int RunRoot(const vornactl::Invocation& inv) {
  if (!inv.args.empty()) return vornactl::UsageError("root takes no arguments");
  const auto& root = ce::DeviceRoot();
  if (inv.json)
    std::printf("{\"root\":%s}\n", vornactl::JsonString(root.string()).c_str());
  else
    std::printf("%s\n", root.c_str());
  return vornactl::kExitOk;
}

VORNACTL_COMMAND({"root", "root", "print the device root in use", RunRoot});

}  // namespace
