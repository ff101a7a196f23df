// One search of GetContactslistFuzzy: every matching contact in list order,
// found when the search starts and handed out one row per call.
//
// Matching the whole key at once lets each way of matching run through its
// packed string in one tight pass; handing out a row is then a table read.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "contacts/FuzzyIndex.h"

namespace qzpam {

class FuzzySearch {
 public:
  // Null `index`: the store could not be read, and nothing matches.
  void Start(std::shared_ptr<const FuzzyIndex> index, std::wstring_view key);
  // The next hit; false at the end, which frees the hits.
  bool Next(FuzzyHit& hit);
  // What the rows show; valid from Start until the next Start.
  const ContactTexts& texts() const { return index_->texts(); }

 private:
  std::shared_ptr<const FuzzyIndex> index_;
  std::vector<FuzzyHit> hits_;
  size_t next_ = 0;
};

}  // namespace qzpam
