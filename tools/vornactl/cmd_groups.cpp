// `vornactl groups`: every contact group with its member count, under the
// name shown on screen.
#include <cstdio>
#include <vector>

#include "cmd_common.h"
#include "contactdata/GroupNames.h"
#include "platform/PimContract.h"

namespace {

using namespace vornactl;

int RunGroups(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (!args.positional.empty()) return UsageError("groups takes no arguments");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;
  std::vector<std::string> items;
  int id = 0, count = 0;
  qzu::string stored;
  for (bool first = true; db->GetGroupInfo(COUNT_ALL_MEMBERS, id, stored, count, first); first = false) {
    const std::string name = ToUtf8(GetGroupDisplayName(stored).view());
    if (inv.json)
      items.push_back(JsonObject().Number("id", id).Text("name", name).Number("members", count).str());
    else
      std::printf("%d\t%s\t%d\n", id, name.c_str(), count);
  }
  if (inv.json) std::printf("%s\n", JsonArray(items).c_str());
  return kExitOk;
}

VORNACTL_COMMAND({"groups", "groups", "contact groups with their member counts", RunGroups});

}  // namespace
