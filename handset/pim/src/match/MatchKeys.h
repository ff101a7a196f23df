// The match keys that the store keeps beside every phone number and call
// (match/NumberMatcher.h), and the matcher they were computed with: the one
// of the home country named by the phone settings' national code.
#pragma once

#include "match/NumberMatcher.h"
#include "store/Store.h"

namespace qzpam {

class MatchKeys {
 public:
  // The settings row that holds the national code.
  static constexpr const char* kNationalCodeSetting = "national_code";

  // The matcher of the home country as the store's settings name it now.
  static NumberMatcher Matcher(Store& store);

  // Computes every stored key again with `matcher`; for a change of the
  // national code, inside its write transaction. Rows whose key stays the
  // same are not written.
  static bool Rewrite(Store& store, const NumberMatcher& matcher);
};

}  // namespace qzpam
