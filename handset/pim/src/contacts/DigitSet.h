// The digits a number holds and the pairs of neighbouring digits in it, as
// one 128-bit set: bit 10a+b for the pair "ab", bit 100+d for the digit d.
// A number can only contain a key whose set is part of its own; for keys
// of one or two digits that test is exact, so the fuzzy search answers the
// keys with the longest results without a string search. The smart dial
// fills one per name with the digits and pairs its keys can hold.
#pragma once

#include <cstdint>
#include <string_view>

namespace qzpam {

class DigitSet {
 public:
  DigitSet() = default;
  // Of a text of the digits '0' to '9'.
  explicit DigitSet(std::string_view digits) {
    for (size_t i = 0; i < digits.size(); ++i) {
      AddDigit(digits[i]);
      if (i > 0) AddPair(digits[i - 1], digits[i]);
    }
  }

  bool Holds(const DigitSet& part) const { return (low_ & part.low_) == part.low_ && (high_ & part.high_) == part.high_; }

  // Of the digits '0' to '9'.
  void AddDigit(char digit) { Add(100 + static_cast<unsigned>(digit - '0')); }
  void AddPair(char first, char second) {
    Add(10 * static_cast<unsigned>(first - '0') + static_cast<unsigned>(second - '0'));
  }

 private:
  void Add(unsigned bit) { (bit < 64 ? low_ : high_) |= uint64_t{1} << (bit % 64); }

  uint64_t low_ = 0;
  uint64_t high_ = 0;
};

}  // namespace qzpam
