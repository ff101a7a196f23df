#include "t9/T9Search.h"

#include <unordered_map>

#include "t9/T9Marks.h"

namespace qzpam {
namespace {

// How often each contact was called: the calls whose number is one of its
// numbers, by the numbers' match keys.
std::unordered_map<int, uint32_t> CallCounts(Store& store) {
  std::unordered_map<int, uint32_t> counts;
  Statement stmt = store.Prepare(
      "SELECT p.contact_id, SUM(k.n) FROM (SELECT match_key, COUNT(*) AS n FROM calls GROUP BY match_key) k "
      "JOIN phones p ON p.match_key = k.match_key GROUP BY p.contact_id");
  while (stmt.Step() == SQLITE_ROW) counts[stmt.Int(0)] = static_cast<uint32_t>(stmt.Int(1));
  return counts;
}

void CopyArray(const std::vector<int>& from, qzu::array<int>& to) {
  to = qzu::array<int>();
  for (int value : from) to.push_back(value);
}

}  // namespace

void T9Search::Start(Store& store, std::shared_ptr<const ContactSnapshot> snapshot, std::string key) {
  hits_.clear();
  next_ = 0;
  key_ = std::move(key);
  if (!snapshot) return;
  bool rebuilt = false;
  if (!indexed_ || &indexed_->contacts() != &snapshot->contacts()) {
    index_ = std::make_unique<T9Index>(snapshot->contacts());
    indexed_ = std::move(snapshot);
    rebuilt = true;
  }
  int calls = store.Counter("calls");
  if (rebuilt || calls != callsCounter_) {
    index_->SetCallCounts(CallCounts(store));
    callsCounter_ = calls;
  }
  hits_ = index_->Match(key_);
}

bool T9Search::Next(T9Suggestion& row) {
  if (next_ >= hits_.size()) {
    hits_ = {};
    next_ = 0;
    return false;
  }
  const T9Hit& hit = hits_[next_++];
  const SnapshotContact& contact = *indexed_->contacts()[hit.contact];
  row.id = contact.id;
  row.name.assign(contact.name.data(), contact.name.size());
  if (hit.number >= 0) {
    const SnapshotNumber& number = contact.numbers[static_cast<size_t>(hit.number)];
    row.number.assign(number.value.data(), number.value.size());
    row.type = number.type;
  } else {
    row.number.assign(contact.detail.data(), contact.detail.size());
    row.type = contact.detailType;
  }
  T9Match name = hit.rank == T9Rank::None ? T9Match() : index_->MatchName(hit.contact, key_);
  CopyArray(NameMarks(contact.name, name), row.nameMarks);
  CopyArray(NumberMarks(row.number.view(), key_), row.numberMarks);
  return true;
}

}  // namespace qzpam
