// `vornactl contacts [--search TEXT] [--group NAME]`: contacts in the order
// of the contacts list, each with its id, index letter, name and number.
#include <cstdio>
#include <map>
#include <vector>

#include "cmd_common.h"
#include "group_option.h"
#include "platform/PimContract.h"

namespace {

using namespace vornactl;

struct Row {
  int id;
  wchar_t letter;
  std::string name;
  std::string number;
};

// The index letter of every contact; the search list does not carry them.
std::map<int, wchar_t> Letters(CContactsDbIf* db) {
  std::map<int, wchar_t> letters;
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false) letters[id] = letter;
  return letters;
}

int RunContacts(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {"--search", "--group"}, args, error)) return UsageError(error);
  if (!args.positional.empty()) return UsageError("usage: contacts [--search TEXT] [--group NAME]");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;

  int groupId = 0;
  if (int status = GroupOption(args, db, groupId)) return status;

  std::vector<Row> rows;
  int id = 0, type = 0;
  wchar_t letter = 0;
  qzu::string name, detail;
  if (const std::string* search = args.Value("--search")) {
    std::wstring key;
    if (!ToWide(*search, key)) return UsageError("the search text is not UTF-8");
    const std::map<int, wchar_t> letters = Letters(db);
    for (bool first = true; db->GetContactslistFuzzy(qzu::string(key.c_str()), id, name, detail, type, first);
         first = false) {
      if (groupId != 0 && !db->IsContactInGroup(id, groupId)) continue;
      const auto found = letters.find(id);
      rows.push_back({id, found == letters.end() ? L'#' : found->second, ToUtf8(name.view()), ToUtf8(detail.view())});
    }
  } else if (groupId != 0) {
    for (bool first = true; db->GetContactslist(groupId, id, name, detail, type, letter, first); first = false)
      rows.push_back({id, letter, ToUtf8(name.view()), ToUtf8(detail.view())});
  } else {
    for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false)
      rows.push_back({id, letter, ToUtf8(name.view()), ToUtf8(detail.view())});
  }

  std::vector<std::string> items;
  for (const Row& row : rows) {
    const std::string index = ToUtf8(std::wstring(1, row.letter));
    if (inv.json)
      items.push_back(
          JsonObject().Number("id", row.id).Text("letter", index).Text("name", row.name).Text("number", row.number).str());
    else
      std::printf("%d\t%s\t%s\t%s\n", row.id, index.c_str(), row.name.c_str(), row.number.c_str());
  }
  if (inv.json) std::printf("%s\n", JsonArray(items).c_str());
  return rows.empty() ? kExitNotFound : kExitOk;
}

VORNACTL_COMMAND({"contacts", "contacts [--search TEXT] [--group NAME]",
                  "contacts in list order: id, index letter, name, number", RunContacts});

}  // namespace
