// `vornactl add-call NUMBER --type TYPE [--seconds N | --rings N] [--at TIME]`:
// records a finished call in the call log.
#include <cstdio>
#include <string_view>

#include "cmd_call_time.h"
#include "cmd_common.h"
#include "ce/time.h"
#include "contactdata/CallRecording.h"

namespace {

using namespace vornactl;

constexpr std::string_view kCallTypes[] = {"outgoing", "incoming", "missed", "rejected", "blocked"};

// 1 outgoing ... 5 blocked, or 0.
int CallType(std::string_view name) {
  for (int i = 0; i < 5; ++i)
    if (name == kCallTypes[i]) return i + 1;
  return 0;
}


int RunAddCall(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {"--type", "--seconds", "--rings", "--at"}, args, error)) return UsageError(error);
  const std::string* typeName = args.Value("--type");
  if (args.positional.size() != 1 || !typeName)
    return UsageError("usage: add-call NUMBER --type outgoing|incoming|missed|rejected|blocked [--seconds N | --rings N] [--at TIME]");
  std::wstring number;
  if (!ToWide(args.positional[0], number)) return UsageError("the number is not UTF-8");
  const int type = CallType(*typeName);
  if (type == 0) return UsageError("--type is one of outgoing, incoming, missed, rejected, blocked");
  // Calls made and received last some seconds; the others rang some times.
  const bool talked = type <= 2;
  if (args.Has(talked ? "--rings" : "--seconds"))
    return UsageError(std::string(talked ? "--rings" : "--seconds") + " does not fit a call of type " + *typeName);
  long long value = 0;
  if (const std::string* text = args.Value(talked ? "--seconds" : "--rings"))
    if (!ParseNumber(*text, 0, INT32_MAX, value)) return UsageError("the length must be a whole number from 0");
  SYSTEMTIME time{};
  GetSystemTime(&time);
  if (const std::string* at = args.Value("--at"))
    if (!ParseCallTime(*at, time)) return UsageError("--at takes Unix seconds or YYYY-MM-DD HH:MM[:SS] (UTC)");
  if (!OpenStore()) return kExitUsage;
  if (!AddCallHistory(number.c_str(), time, static_cast<int>(value), type)) {
    std::fprintf(stderr, "vornactl: the call could not be recorded\n");
    return kExitUsage;
  }
  if (inv.json)
    std::printf("%s\n", JsonObject().Bool("recorded", true).str().c_str());
  else
    std::printf("recorded\n");
  return kExitOk;
}

VORNACTL_COMMAND({"add-call", "add-call NUMBER --type TYPE [--seconds N|--rings N] [--at TIME]",
                  "record a finished call in the call log", RunAddCall});

}  // namespace
