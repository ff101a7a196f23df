// When two phone numbers are the same number: the one rule that SearchPN,
// the call threads and the call deletions all follow.
//
// Numbers are read in the handset's own country, the home country: the
// national code of the phone settings, 86 while none (or no valid one) is
// set. A number written without a country code belongs to it.
//
// A number is first reduced to its key, a string of digits:
//  1. Only its digits count (ASCII and full-width); spaces, dashes, brackets,
//     dots and any other formatting are dropped. A leading "+" is noted.
//  2. An international prefix ("+" or "00") is followed by a country code.
//     For the home country the code is removed and the national number
//     remains; for another country the key is "00", the country code and the
//     national number (split by libphonenumber).
//  3. At home in the 86 plan, a bare "86" in front of an 11-digit mobile
//     number ("8613800138000") is removed as well.
//  4. One trunk prefix "0" in front of a national number is removed
//     ("0755 1234 5678" -> "75512345678").
// So at home in China "+86 138 0013 8000", "008613800138000" and
// "13800138000" share the key "13800138000".
//
// Two keys match when both are non-empty and:
//  - either is another country's ("00..."): only when they are equal, so
//    numbers of two countries never match, whatever digits they share;
//  - either is shorter than 7 digits: only when they are equal (a short code
//    "1234" or the voice mail "888" never matches a longer number);
//  - either is a mobile number of the 86 plan (11 digits starting with 1)
//    while the home country is 86: only when they are equal (all 11 digits);
//  - otherwise: when the shorter key (at least 7 digits) is the end of the
//    longer one, so a local number without its area code matches the same
//    number stored with it.
// Matching keys always share their last 7 digits (the tail), which is what
// the store indexes to find candidates. Keys depend on the home country, so
// the store computes them again when the national code changes.
#pragma once

#include <string>
#include <string_view>

namespace qzpam {

class NumberMatcher {
 public:
  static constexpr size_t kTailDigits = 7;

  // The matcher of the country with this national code ("44", "+44" or
  // "0044"); an empty code, or one that is no country's, stands for 86.
  explicit NumberMatcher(std::wstring_view nationalCode = {});

  const std::string& HomeCountry() const { return home_; }

  std::string Key(std::wstring_view number) const;
  static std::string Tail(std::string_view key);
  bool KeysMatch(std::string_view a, std::string_view b) const;

  bool Matches(std::wstring_view a, std::wstring_view b) const { return KeysMatch(Key(a), Key(b)); }

 private:
  bool IsHomeMobile(std::string_view key) const;

  std::string home_;
};

}  // namespace qzpam
