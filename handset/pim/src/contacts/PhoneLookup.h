// Which contact owns a number, by the rule of match/NumberMatcher.h.
//
// When several stored numbers match, the winner is, in this order: a number
// with exactly the same key over one that matches on its trailing digits; a
// contact's primary number over its others; the contact added first (lowest
// identifier); the number added first. So the answer is the same on every
// call and in every process.
#pragma once

#include <string>
#include <string_view>
#include <tuple>

#include "match/NumberMatcher.h"
#include "store/Store.h"

namespace qzpam {

struct PhoneOwner {
  int contactId = 0;
  int entryId = 0;
  int type = 0;
  std::wstring name;
};

class PhoneLookup {
 public:
  // The owner of the number with this key (made by `matcher`); contactId 0
  // when none.
  static PhoneOwner Find(Store& store, const NumberMatcher& matcher, std::string_view key);
};

// The order above over stored numbers offered one at a time, for readers
// that fetch the candidates of many numbers at once.
class OwnerRanking {
 public:
  OwnerRanking(const NumberMatcher& matcher, std::string_view key) : matcher_(&matcher), key_(key) {}

  // Whether the stored number (its key, whether it is its contact's primary
  // number, its contact and its entry) matches and beats every number
  // offered before; it is then the one to beat.
  bool Takes(std::string_view candidateKey, bool primary, int contactId, int entryId);

 private:
  const NumberMatcher* matcher_;
  std::string key_;
  std::tuple<int, int, int, int> best_{2, 0, 0, 0};
};

}  // namespace qzpam
