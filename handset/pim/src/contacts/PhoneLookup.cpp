#include "contacts/PhoneLookup.h"

namespace qzpam {

bool OwnerRanking::Takes(std::string_view candidateKey, bool primary, int contactId, int entryId) {
  if (!matcher_->KeysMatch(key_, candidateKey)) return false;
  const std::tuple<int, int, int, int> rank{candidateKey == key_ ? 0 : 1, primary ? 0 : 1, contactId, entryId};
  if (rank >= best_) return false;
  best_ = rank;
  return true;
}

PhoneOwner PhoneLookup::Find(Store& store, const NumberMatcher& matcher, std::string_view key) {
  PhoneOwner best;
  if (key.empty()) return best;
  // One statement, so one read transaction. The candidates come from the
  // covering index phones_lookup; each is nearly always the only one with
  // its tail, so reading every candidate's name costs no more than reading
  // only the winner's afterwards.
  Statement stmt = store.Prepare(
      "SELECT p.id, p.contact_id, p.type, p.is_primary, p.match_key, c.display_name"
      " FROM phones p INDEXED BY phones_lookup JOIN contacts c ON c.id = p.contact_id WHERE p.match_tail = ?");
  stmt.Bind(1, std::string_view(NumberMatcher::Tail(key)));
  OwnerRanking ranking(matcher, key);
  while (stmt.Step() == SQLITE_ROW) {
    if (!ranking.Takes(stmt.Utf8(4), stmt.Int(3) == 1, stmt.Int(1), stmt.Int(0))) continue;
    best.entryId = stmt.Int(0);
    best.contactId = stmt.Int(1);
    best.type = stmt.Int(2);
    best.name = stmt.Text(5);
  }
  return best;
}

}  // namespace qzpam
