#include "match/MatchKeys.h"

#include <string>
#include <utility>
#include <vector>

namespace qzpam {
namespace {

using Rekeyed = std::vector<std::pair<int, std::string>>;

// The rows of `select` (id, number, key) whose key differs under `matcher`.
Rekeyed ChangedKeys(Statement select, const NumberMatcher& matcher) {
  Rekeyed changed;
  while (select.Step() == SQLITE_ROW) {
    std::string key = matcher.Key(select.Text(1));
    if (key != select.Utf8(2)) changed.emplace_back(select.Int(0), std::move(key));
  }
  return changed;
}

}  // namespace

NumberMatcher MatchKeys::Matcher(Store& store) {
  Statement stmt = store.Prepare("SELECT value FROM settings WHERE key = ?");
  if (stmt.Bind(1, std::string_view(kNationalCodeSetting)).Step() != SQLITE_ROW) return NumberMatcher();
  return NumberMatcher(stmt.Text(0));
}

bool MatchKeys::Rewrite(Store& store, const NumberMatcher& matcher) {
  for (auto& [id, key] : ChangedKeys(store.Prepare("SELECT id, value, match_key FROM phones"), matcher)) {
    Statement update = store.Prepare("UPDATE phones SET match_key = ?, match_tail = ? WHERE id = ?");
    update.Bind(1, std::string_view(key)).Bind(2, std::string_view(NumberMatcher::Tail(key))).Bind(3, id);
    if (!update.Run()) return false;
  }
  for (auto& [id, key] : ChangedKeys(store.Prepare("SELECT id, number, match_key FROM calls"), matcher)) {
    Statement update = store.Prepare("UPDATE calls SET match_key = ? WHERE id = ?");
    if (!update.Bind(1, std::string_view(key)).Bind(2, id).Run()) return false;
  }
  return true;
}

}  // namespace qzpam
