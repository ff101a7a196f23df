#include "contacts/PhoneLookup.h"

#include <tuple>

#include "match/NumberMatcher.h"

namespace qzpam {

PhoneOwner PhoneLookup::Find(Store& store, std::string_view key) {
  PhoneOwner best;
  if (key.empty()) return best;
  // The candidates come from the covering index phones_lookup alone; only
  // the winner's name is read from its contact.
  std::tuple<int, int, int, int> bestRank{2, 0, 0, 0};
  {
    Statement stmt = store.Prepare(
        "SELECT id, contact_id, type, is_primary, match_key FROM phones INDEXED BY phones_lookup WHERE match_tail = ?");
    stmt.Bind(1, std::string_view(NumberMatcher::Tail(key)));
    while (stmt.Step() == SQLITE_ROW) {
      std::string candidate = stmt.Utf8(4);
      if (!NumberMatcher::KeysMatch(key, candidate)) continue;
      std::tuple<int, int, int, int> rank{candidate == key ? 0 : 1, stmt.Int(3) == 1 ? 0 : 1, stmt.Int(1), stmt.Int(0)};
      if (rank >= bestRank) continue;
      bestRank = rank;
      best.entryId = stmt.Int(0);
      best.contactId = stmt.Int(1);
      best.type = stmt.Int(2);
    }
  }
  if (best.contactId == 0) return best;
  Statement name = store.Prepare("SELECT display_name FROM contacts WHERE id = ?");
  if (name.Bind(1, best.contactId).Step() != SQLITE_ROW) return PhoneOwner();
  best.name = name.Text(0);
  return best;
}

}  // namespace qzpam
