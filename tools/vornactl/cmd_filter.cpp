// `vornactl filter TEXT [--email]`: the type-ahead items for a text, one
// number (or e-mail address) of one contact per row.
#include <cstdio>
#include <vector>

#include "cmd_common.h"
#include "contactdata/NumberMatching.h"

namespace {

using namespace vornactl;

int RunFilter(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {"--email"}, {}, args, error)) return UsageError(error);
  if (args.positional.size() != 1) return UsageError("usage: filter TEXT [--email]");
  std::wstring text;
  if (!ToWide(args.positional[0], text)) return UsageError("the text is not UTF-8");
  if (!OpenStore()) return kExitUsage;

  const bool email = args.Has("--email");
  auto next = email ? GetFilterEmailItems : GetFilterPNItems;
  std::vector<std::string> items;
  int count = 0;
  int id = 0;
  wchar_t* name = nullptr;
  wchar_t* label = nullptr;
  wchar_t* value = nullptr;
  for (bool first = true; next(text.c_str(), &id, &name, &label, &value, first); first = false) {
    const std::string nameText = TakeSysString(name), labelText = TakeSysString(label), valueText = TakeSysString(value);
    ++count;
    if (inv.json)
      items.push_back(JsonObject()
                         .Number("id", id)
                         .Text("name", nameText)
                         .Text("type", labelText)
                         .Text(email ? "email" : "number", valueText)
                         .str());
    else
      std::printf("%d\t%s\t%s\t%s\n", id, nameText.c_str(), labelText.c_str(), valueText.c_str());
  }
  if (inv.json) std::printf("%s\n", JsonArray(items).c_str());
  return count > 0 ? kExitOk : kExitNotFound;
}

VORNACTL_COMMAND({"filter", "filter TEXT [--email]", "the type-ahead items: numbers (or e-mail) matching a text",
                  RunFilter});

}  // namespace
