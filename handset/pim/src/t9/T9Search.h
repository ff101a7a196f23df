// One smart-dial search of GetT9Suggestions: its results handed out one
// row per call. The index is built by the first search after the contacts
// change and kept; the call counts are read again when the call log
// changes.
#pragma once

#include <memory>
#include <string>

#include "contacts/FuzzyIndex.h"
#include "qzpam/T9Suggestion.h"
#include "store/Store.h"
#include "t9/T9Index.h"
#include "t9/T9Results.h"

namespace qzpam {

class T9Search {
 public:
  // Under the store's lock. Null `fuzzy`: the store could not be read, and
  // nothing matches.
  void Start(Store& store, std::shared_ptr<const FuzzyIndex> fuzzy, std::string key);
  // Forgets an unfinished search.
  void Reset() { results_.Clear(); }
  // The next suggestion; false at the end.
  bool Next(T9Suggestion& row);

 private:
  std::unique_ptr<T9Index> index_;
  int callsCounter_ = -1;
  T9Results results_;
};

}  // namespace qzpam
