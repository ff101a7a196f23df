// `vornactl t9 DIGITS`: the contacts that the dial pad's digits find, in
// the order the dialer suggests them: id, name, number (and, with --json,
// the positions of the matched characters of the name and the number).
#include <cstdio>
#include <string>
#include <vector>

#include "cmd_common.h"
#include "platform/PimContract.h"

namespace {

using namespace vornactl;

std::string Positions(const qzu::array<int>& marks) {
  std::vector<std::string> items;
  for (int i = 0; i < marks.size(); ++i) items.push_back(std::to_string(marks[i]));
  return JsonArray(items);
}

int RunT9(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (args.positional.size() != 1) return UsageError("usage: t9 DIGITS");
  const std::string& digits = args.positional[0];
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
    return UsageError("the digits must be 0 to 9");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;

  const std::wstring key(digits.begin(), digits.end());
  std::vector<std::string> items;
  T9Suggestion row;
  for (bool first = true; db->GetT9Suggestions(qzu::string(key.c_str()), row, first); first = false) {
    const std::string name = ToUtf8(row.name.view());
    const std::string number = ToUtf8(row.number.view());
    if (inv.json)
      items.push_back(JsonObject()
                          .Number("id", row.id)
                          .Text("name", name)
                          .Text("number", number)
                          .Raw("name_marks", Positions(row.nameMarks))
                          .Raw("number_marks", Positions(row.numberMarks))
                          .str());
    else
      std::printf("%d\t%s\t%s\n", row.id, name.c_str(), number.c_str());
    if (!inv.json) items.emplace_back();
  }
  if (inv.json) std::printf("%s\n", JsonArray(items).c_str());
  return items.empty() ? kExitNotFound : kExitOk;
}

VORNACTL_COMMAND({"t9", "t9 DIGITS", "the contacts the dial pad's digits find, in suggestion order: id, name, number",
                  RunT9});

}  // namespace
