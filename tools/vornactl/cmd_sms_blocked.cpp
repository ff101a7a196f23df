// `vornactl sms-blocked NUMBER`: whether messages from the number are blocked.
#include <cstdio>

#include "cmd_common.h"
#include "contactdata/NumberMatching.h"

namespace {

using namespace vornactl;

int RunSmsBlocked(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (args.positional.size() != 1) return UsageError("usage: sms-blocked NUMBER");
  std::wstring number;
  if (!ToWide(args.positional[0], number) || number.empty()) return UsageError("the number is empty or not UTF-8");
  if (!OpenStore()) return kExitUsage;
  const bool blocked = IsSmsBlocked(number.c_str());
  if (inv.json)
    std::printf("%s\n", JsonObject().Bool("blocked", blocked).str().c_str());
  else
    std::printf("%s\n", blocked ? "blocked" : "not blocked");
  return kExitOk;
}

VORNACTL_COMMAND({"sms-blocked", "sms-blocked NUMBER", "whether messages from a number are blocked", RunSmsBlocked});

}  // namespace
