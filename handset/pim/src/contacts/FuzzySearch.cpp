#include "contacts/FuzzySearch.h"

namespace qzpam {

void FuzzySearch::Start(std::shared_ptr<const ContactSnapshot> snapshot, const std::wstring& key) {
  snapshot_ = std::move(snapshot);
  key_.emplace(key);
  // Snapshots that share their contacts hold the same matches.
  narrowing_ = snapshot_ && doneSnapshot_ && &snapshot_->contacts() == &doneSnapshot_->contacts() &&
               key_->Narrows(doneKey_);
  next_ = 0;
  matches_.clear();
}

size_t FuzzySearch::CandidateCount() const {
  if (!snapshot_) return 0;
  return narrowing_ ? doneMatches_.size() : snapshot_->contacts().size();
}

const SnapshotContact* FuzzySearch::Candidate(size_t index) const {
  return narrowing_ ? doneMatches_[index] : snapshot_->contacts()[index].get();
}

bool FuzzySearch::Next(ContactRef& row) {
  for (size_t count = CandidateCount(); next_ < count;) {
    const SnapshotContact* contact = Candidate(next_++);
    if (key_->Matches(*contact, &row.number)) {
      row.contact = contact;
      matches_.push_back(contact);
      return true;
    }
  }
  if (snapshot_) Finish();
  return false;
}

void FuzzySearch::Finish() {
  doneKey_ = key_->folded();
  doneMatches_ = std::move(matches_);
  doneSnapshot_ = std::move(snapshot_);
  matches_ = {};
  key_.reset();
  narrowing_ = false;
  next_ = 0;
}

}  // namespace qzpam
