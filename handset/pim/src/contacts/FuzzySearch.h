// One search of GetContactslistFuzzy, matched while its rows are handed
// out: each call finds the next matching contact in list order, so the
// first row costs little and a search that the caller abandons costs
// nothing more.
//
// The search runs over a FuzzyIndex of the snapshot's contacts, built by
// the first search after a change and kept for the next keystrokes.
#pragma once

#include <memory>
#include <string>

#include "contacts/ContactSnapshot.h"
#include "contacts/FuzzyIndex.h"
#include "contacts/FuzzyKey.h"

namespace qzpam {

class FuzzySearch {
 public:
  void Start(std::shared_ptr<const ContactSnapshot> snapshot, std::wstring_view key);
  // The position of the next matching contact in texts() and the number
  // that matched (-1 when it matched otherwise, or for an empty key); false
  // at the end.
  bool Next(size_t& contact, int& number);
  // What the rows show; valid from Start until the next Start.
  const ContactTexts& texts() const { return index_->texts(); }

 private:
  // Finds the next hit at or after `from` of every way of matching (anew:
  // of every one, else of those whose hit lies before `from`).
  void FindFrom(size_t from, bool anew);

  std::shared_ptr<const ContactSnapshot> snapshot_;  // null once the search ended
  std::shared_ptr<const ContactSnapshot> indexed_;   // what index_ was built from
  std::unique_ptr<FuzzyIndex> index_;
  FuzzyKey key_{L""};
  // The next contact that matches by name, by initials, by reading, by
  // digits (the index's size when none), and which number matched by digits.
  // Each looks further only once its hit was handed out, so a search reads
  // each packed string once.
  size_t byName_ = 0;
  size_t byInitials_ = 0;
  size_t byReading_ = 0;
  size_t byDigits_ = 0;
  int digitsNumber_ = -1;
};

}  // namespace qzpam
