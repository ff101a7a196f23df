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

void T9Search::Start(Store& store, std::shared_ptr<const FuzzyIndex> fuzzy, std::string key) {
  results_.Clear();
  if (!fuzzy) return;
  bool rebuilt = false;
  if (!index_ || &index_->fuzzy() != fuzzy.get()) {
    index_ = std::make_unique<T9Index>(std::move(fuzzy));
    rebuilt = true;
  }
  int calls = store.Counter("calls");
  if (rebuilt || calls != callsCounter_) {
    index_->SetCallCounts(CallCounts(store));
    callsCounter_ = calls;
  }
  results_.Start(*index_, std::move(key));
}

bool T9Search::Next(T9Suggestion& row) {
  T9Hit hit{};
  if (!results_.Next(hit)) return false;
  index_->fuzzy().texts().CopyRow(hit.contact, hit.number, row.id, row.name, row.number, row.type);
  T9Match name = hit.rank == T9Rank::None ? T9Match() : index_->MatchName(hit.contact, results_.key());
  CopyArray(NameMarks(row.name.view(), name), row.nameMarks);
  CopyArray(NumberMarks(row.number.view(), results_.key()), row.numberMarks);
  return true;
}

}  // namespace qzpam
