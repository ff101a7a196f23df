#include "contacts/FuzzySearch.h"

#include "contacts/FuzzyKey.h"

namespace qzpam {

void FuzzySearch::Start(std::shared_ptr<const ContactSnapshot> snapshot, std::wstring_view key) {
  hits_.clear();
  next_ = 0;
  if (!snapshot) return;
  // Snapshots that share their contacts share the index.
  if (!indexed_ || &indexed_->contacts() != &snapshot->contacts()) {
    index_ = std::make_unique<FuzzyIndex>(snapshot->contacts());
    indexed_ = std::move(snapshot);
  }
  index_->Match(FuzzyKey(key), hits_);
}

bool FuzzySearch::Next(FuzzyHit& hit) {
  if (next_ < hits_.size()) {
    hit = hits_[next_++];
    return true;
  }
  hits_ = {};
  next_ = 0;
  return false;
}

}  // namespace qzpam
