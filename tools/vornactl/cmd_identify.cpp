// `vornactl identify NUMBER`: whose number it is, as caller identification
// sees it (contact id, name, type label and whether a call is blocked).
#include <cstdio>

#include "cmd_common.h"
#include "contactdata/NumberMatching.h"

namespace {

using namespace vornactl;

int RunIdentify(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (args.positional.size() != 1) return UsageError("usage: identify NUMBER");
  std::wstring number;
  if (!ToWide(args.positional[0], number) || number.empty()) return UsageError("the number is empty or not UTF-8");
  if (!OpenStore()) return kExitUsage;

  int id = 0;
  wchar_t* name = nullptr;
  wchar_t* label = nullptr;
  bool blocked = false;
  const bool found = GetMatchPNInfo(number.c_str(), &id, &name, &label, nullptr, nullptr, nullptr, &blocked);
  const std::string nameText = TakeSysString(name);
  const std::string labelText = TakeSysString(label);
  if (inv.json) {
    JsonObject out;
    out.Bool("found", found);
    if (found) out.Number("id", id).Text("name", nameText).Text("type", labelText);
    std::printf("%s\n", out.Bool("blocked", blocked).str().c_str());
  } else if (found) {
    std::printf("contact %d\nname    %s\ntype    %s\nblocked %s\n", id, nameText.c_str(), labelText.c_str(),
                blocked ? "yes" : "no");
  } else {
    std::printf("no contact has this number\nblocked %s\n", blocked ? "yes" : "no");
  }
  return found ? kExitOk : kExitNotFound;
}

VORNACTL_COMMAND({"identify", "identify NUMBER", "the contact owning a number, its type and whether calls are blocked",
                  RunIdentify});

}  // namespace
