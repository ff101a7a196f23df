// One search of GetContactslistFuzzy, matched while its rows are handed
// out: the first row costs only the scan up to it, and a search that the
// caller abandons costs nothing more.
//
// A search that ran to its end is remembered, so that the next keystroke,
// whose key begins with this one's, looks only at this one's matches.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "contacts/FuzzyKey.h"

namespace qzpam {

class FuzzySearch {
 public:
  void Start(std::shared_ptr<const ContactSnapshot> snapshot, const std::wstring& key);
  // The next matching contact and the number that matched (-1 when it
  // matched otherwise); false at the end, which also frees the search.
  bool Next(ContactRef& row);

 private:
  size_t CandidateCount() const;
  const SnapshotContact* Candidate(size_t index) const;
  void Finish();

  std::shared_ptr<const ContactSnapshot> snapshot_;
  std::optional<FuzzyKey> key_;
  bool narrowing_ = false;  // the candidates are the last finished search's matches
  size_t next_ = 0;
  std::vector<const SnapshotContact*> matches_;

  // The last search that ran to its end.
  std::wstring doneKey_;
  std::shared_ptr<const ContactSnapshot> doneSnapshot_;
  std::vector<const SnapshotContact*> doneMatches_;
};

}  // namespace qzpam
