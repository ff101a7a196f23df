#include "contacts/FuzzySearch.h"

#include "contacts/FuzzyKey.h"

namespace qzpam {

void FuzzySearch::Start(std::shared_ptr<const FuzzyIndex> index, std::wstring_view key) {
  hits_.clear();
  next_ = 0;
  index_ = std::move(index);
  if (index_) index_->Match(FuzzyKey(key), hits_);
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
