// The position of one cursor list: first = true loads the rows, each later
// call hands out the next one, and the end frees them.
#pragma once

#include <utility>
#include <vector>

namespace qzpam {

template <typename Row>
class Cursor {
 public:
  void Start(std::vector<Row> rows) {
    rows_ = std::move(rows);
    next_ = 0;
  }

  const Row* Next() {
    if (next_ < rows_.size()) return &rows_[next_++];
    rows_ = {};
    next_ = 0;
    return nullptr;
  }

 private:
  std::vector<Row> rows_;
  size_t next_ = 0;
};

}  // namespace qzpam
