// One smart-dial search of GetT9Suggestions: the suggestions found when it
// starts, handed out one per call. The index is built by the first search
// after the contacts change and kept; the call counts are read again when
// the call log changes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "qzpam/T9Suggestion.h"
#include "store/Store.h"
#include "t9/T9Index.h"

namespace qzpam {

class T9Search {
 public:
  // Under the store's lock.
  void Start(Store& store, std::shared_ptr<const ContactSnapshot> snapshot, std::string key);
  // Forgets the hits of an unfinished search.
  void Reset() {
    hits_.clear();
    next_ = 0;
  }
  // The next suggestion; false at the end, which frees the hits.
  bool Next(T9Suggestion& row);

  const T9Index* index() const { return index_.get(); }

 private:
  std::shared_ptr<const ContactSnapshot> indexed_;
  std::unique_ptr<T9Index> index_;
  int callsCounter_ = -1;
  std::string key_;
  std::vector<T9Hit> hits_;
  size_t next_ = 0;
};

}  // namespace qzpam
