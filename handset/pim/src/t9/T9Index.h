// The smart-dial index of one contact snapshot: every contact's reading as
// keypad digits, packed in list order, and how often each contact was
// called. Built once per snapshot and kept for the next keystrokes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "contacts/DigitSet.h"
#include "t9/T9Match.h"

namespace qzpam {

// A suggestion: which contact (list position), which of its numbers (-1:
// the primary one), and how the key matched its name (None when only a
// number matched).
struct T9Hit {
  uint32_t contact;
  int32_t number;
  uint32_t calls;
  T9Rank rank;
  bool exactNumber;
};

class T9Index {
 public:
  explicit T9Index(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return starts_.size() - 1; }
  size_t bytes() const;

  // How often each contact was called, by contact identifier.
  void SetCallCounts(const std::unordered_map<int, uint32_t>& calls);

  // The suggestions for `key` (digits 0-9), best first: the owner of the
  // number equal to the key, then name matches by rank, then by calls, then
  // contacts one of whose numbers contains the key, in list order; other
  // ties in list order.
  std::vector<T9Hit> Match(std::string_view key) const;
  // How the key matches the name of the contact at this position.
  T9Match MatchName(size_t contact, std::string_view key) const;

 private:
  T9Rank NameRank(size_t contact, std::string_view key, std::vector<uint16_t>& starts) const;
  // Which number of the contact holds the key (-1: none), and whether it
  // is the key exactly.
  int32_t NumberHolding(size_t contact, std::string_view key, const DigitSet& wanted, bool& exact) const;

  const ContactSnapshot::Contacts& contacts_;
  // Readings as keypad digits, packed in list order, with a mark at the
  // start of every syllable; where each contact's reading starts (one entry
  // more than contacts).
  std::string digits_;
  std::vector<bool> syllableStarts_;
  std::vector<uint32_t> starts_;
  // Per contact, bit d set when a syllable starts on digit d: the quick
  // test of whether a key can match the name at all.
  std::vector<uint16_t> initialDigits_;
  // The digits of every number, packed; where each number's digits start
  // (one more than numbers); where each contact's numbers start (one more
  // than contacts); each number's DigitSet.
  std::string numberDigits_;
  std::vector<uint32_t> numberStarts_;
  std::vector<uint32_t> contactNumbers_;
  std::vector<DigitSet> digitSets_;
  std::vector<uint32_t> calls_;
};

}  // namespace qzpam
