// The suggestions of one key, in their order, worked out only as far as
// they are asked for: the dial window shows a screenful and asks for more
// as it scrolls.
//
// Start finds the owners of the number equal to the key and sorts every
// name the key can match from its first syllable into its rank; the names
// it can only match from a later one are read when that rank's turn comes.
// The matches of a rank are ordered by calls a stretch at a time. Contacts
// whose number contains the key come last, in list order, found by walking
// the list on from where the last one was.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "contacts/FuzzyIndex.h"
#include "t9/T9Index.h"

namespace qzpam {

// A suggestion: which contact (list position), which of its numbers (-1:
// the primary one), and how the key matched its name (None when it did
// not).
struct T9Hit {
  uint32_t contact;
  int32_t number;
  T9Rank rank;
};

class T9Results {
 public:
  // `index` must outlive the results until the next Start or Clear.
  void Start(const T9Index& index, std::string typed);
  // The next suggestion; false at the end, which frees what the search held.
  bool Next(T9Hit& hit);
  void Clear();

  const std::string& key() const { return key_.digits; }

 private:
  static constexpr size_t kRanks = 4;

  // Ranks the contact's name match and files it; a name that does not match
  // is left for the numbers.
  void AddByName(size_t contact);
  bool NextByName(T9Hit& hit);
  bool NextByNumber(T9Hit& hit);

  const T9Index* index_ = nullptr;
  T9Key key_;
  std::vector<FuzzyHit> exact_;
  size_t nextExact_ = 0;
  // The name matches of each rank as (calls inverted, position): ascending
  // order is the order shown. Ordered up to `ordered_`.
  std::array<std::vector<uint64_t>, kRanks> byRank_;
  std::vector<uint32_t> laterOnly_;  // in list order
  T9Reading reading_;
  size_t rank_ = 0;
  size_t nextInRank_ = 0;
  size_t ordered_ = 0;
  // The contacts already suggested by an exact number or by name.
  std::vector<bool> shown_;
  size_t nextContact_ = 0;
};

}  // namespace qzpam
