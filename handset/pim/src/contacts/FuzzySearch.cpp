#include "contacts/FuzzySearch.h"

#include <algorithm>

namespace qzpam {

void FuzzySearch::Start(std::shared_ptr<const ContactSnapshot> snapshot, std::wstring_view key) {
  snapshot_ = std::move(snapshot);
  if (!snapshot_) return;
  // Snapshots that share their contacts share the index.
  if (!indexed_ || &indexed_->contacts() != &snapshot_->contacts()) {
    index_ = std::make_unique<FuzzyIndex>(snapshot_->contacts());
    indexed_ = snapshot_;
  }
  key_ = FuzzyKey(key);
  FindFrom(0, true);
}

void FuzzySearch::FindFrom(size_t from, bool anew) {
  size_t end = index_->size();
  if (key_.folded().empty()) {
    byName_ = from;  // an empty key lists every contact
    byInitials_ = byReading_ = byDigits_ = end;
    return;
  }
  // A way of matching whose next hit lies ahead still holds; the others look again.
  if (anew || byName_ < from) byName_ = index_->NextByName(key_.folded(), from);
  if (anew || byInitials_ < from)
    byInitials_ = key_.letters().empty() ? end : index_->NextByInitials(key_.letters(), from);
  if (anew || byReading_ < from)
    byReading_ = key_.letters().empty() ? end : index_->NextByReading(key_.letters(), from);
  if (anew || byDigits_ < from)
    byDigits_ = key_.digits().empty() ? end : index_->NextByDigits(key_.digits(), from, &digitsNumber_);
}

bool FuzzySearch::Next(size_t& contact, int& number) {
  if (!snapshot_) return false;
  size_t at = std::min({byName_, byInitials_, byReading_, byDigits_});
  if (at >= index_->size()) {
    snapshot_.reset();
    return false;
  }
  contact = at;
  number = at == byName_ || at == byInitials_ || at == byReading_ ? -1 : digitsNumber_;
  FindFrom(at + 1, false);
  return true;
}

}  // namespace qzpam
