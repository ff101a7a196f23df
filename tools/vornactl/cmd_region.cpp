// `vornactl region NUMBER`: where a number belongs.
#include <cstdio>

#include "cmd_common.h"
#include "contactdata/RegionLookup.h"

namespace {

using namespace vornactl;

int RunRegion(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (args.positional.size() != 1) return UsageError("usage: region NUMBER");
  std::wstring number;
  if (!ToWide(args.positional[0], number) || number.empty()) return UsageError("the number is empty or not UTF-8");

  wchar_t* region = nullptr;
  const bool found = GetPNRegionInfo(number.c_str(), &region);
  const std::string text = TakeSysString(found ? region : nullptr);
  if (inv.json) {
    JsonObject out;
    out.Bool("found", found);
    if (found) out.Text("region", text);
    std::printf("%s\n", out.str().c_str());
  } else {
    std::printf("%s\n", found ? text.c_str() : "unknown region");
  }
  return found ? kExitOk : kExitNotFound;
}

VORNACTL_COMMAND({"region", "region NUMBER", "the home region of a number", RunRegion});

}  // namespace
