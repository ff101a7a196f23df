#include "contacts/PhoneLookup.h"

#include <tuple>


namespace qzpam {

PhoneOwner PhoneLookup::Find(Store& store, const NumberMatcher& matcher, std::string_view key) {
  PhoneOwner best;
  if (key.empty()) return best;
  // One statement, so one read transaction. The candidates come from the
  // covering index phones_lookup; each is nearly always the only one with
  // its tail, so reading every candidate's name costs no more than reading
  // only the winner's afterwards.
  std::tuple<int, int, int, int> bestRank{2, 0, 0, 0};
  Statement stmt = store.Prepare(
      "SELECT p.id, p.contact_id, p.type, p.is_primary, p.match_key, c.display_name"
      " FROM phones p INDEXED BY phones_lookup JOIN contacts c ON c.id = p.contact_id WHERE p.match_tail = ?");
  stmt.Bind(1, std::string_view(NumberMatcher::Tail(key)));
  while (stmt.Step() == SQLITE_ROW) {
    std::string candidate = stmt.Utf8(4);
    if (!matcher.KeysMatch(key, candidate)) continue;
    std::tuple<int, int, int, int> rank{candidate == key ? 0 : 1, stmt.Int(3) == 1 ? 0 : 1, stmt.Int(1), stmt.Int(0)};
    if (rank >= bestRank) continue;
    bestRank = rank;
    best.entryId = stmt.Int(0);
    best.contactId = stmt.Int(1);
    best.type = stmt.Int(2);
    best.name = stmt.Text(5);
  }
  return best;
}

}  // namespace qzpam
