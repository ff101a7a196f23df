// SuggestionRows: the smart-dial suggestions for the typed digits, read from
// the store a page at a time. A search reads only the first rows; the list
// asks for more as it scrolls towards the end of those read, so a key press
// never copies out every contact a short key finds.
#pragma once

#include <string>
#include <vector>

#include "platform/PimContract.h"

class SuggestionRows {
 public:
  // Starts over for `typed` with its first `count` rows. A text with
  // anything but the digits 0-9, or an empty one, finds nothing and reads
  // nothing.
  void Search(const std::wstring& typed, size_t count);
  // Reads on until `count` rows are held or the suggestions end.
  void ReadUpTo(size_t count);
  void Clear();

  size_t size() const { return m_rows.size(); }
  bool empty() const { return m_rows.empty(); }
  // Null outside the rows.
  const T9Suggestion* Row(int index) const;

 private:
  std::vector<T9Suggestion> m_rows;
  // The store's search has rows left to hand out.
  bool m_more = false;
};
