// The smart-dial index of one contact snapshot. The readings and number
// digits are those the snapshot's FuzzyIndex already packs; this adds, per
// contact, the digits and pairs of digits that keys matching its name can
// hold (so that a keystroke passes over most names without reading them)
// and how often the contact was called. Built once per snapshot and kept
// for the next keystrokes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contacts/DigitSet.h"
#include "contacts/FuzzyIndex.h"
#include "t9/T9Match.h"

namespace qzpam {

// A key as typed (digits 0-9) and what the index tests it with.
struct T9Key {
  explicit T9Key(std::string typed = "");

  bool valid() const { return !digits.empty(); }

  std::string digits;  // empty when the typed text holds anything but digits
  DigitSet inNumber;   // the key as a number's DigitSet tests it
  DigitSet inName;     // its first digit and its neighbouring pairs
};

// A contact's reading as keypad digits, cut into syllables; reused from
// contact to contact.
struct T9Reading {
  std::string digits;
  std::vector<uint16_t> starts;
};

class T9Index {
 public:
  explicit T9Index(std::shared_ptr<const FuzzyIndex> fuzzy);

  const FuzzyIndex& fuzzy() const { return *fuzzy_; }
  size_t size() const { return calls_.size(); }
  // Memory of its own, beyond the FuzzyIndex.
  size_t bytes() const;

  // How often each contact was called, by contact identifier.
  void SetCallCounts(const std::unordered_map<int, uint32_t>& calls);
  uint32_t calls(size_t contact) const { return calls_[contact]; }

  // Quick tests that pass every name the key matches, and most others:
  // whether it may match at all, and whether it may from the first
  // syllable (when not, its match can only rank Inside, if there is one).
  bool MayMatchName(size_t contact, const T9Key& key) const { return nameDigits_[contact].Holds(key.inName); }
  bool MayMatchFromStart(size_t contact, const T9Key& key) const;
  // How the key matches the name of the contact at this position: its rank
  // alone, and the whole match for highlighting.
  T9Rank NameRank(size_t contact, const T9Key& key, T9Reading& reading) const;
  T9Match MatchName(size_t contact, std::string_view key) const;

 private:
  void Read(size_t contact, T9Reading& reading) const;

  std::shared_ptr<const FuzzyIndex> fuzzy_;
  // Per contact: a syllable's initial as a digit, and the pairs of digits
  // that can follow each other in a key matching the name (within a
  // syllable, and from a syllable's initial or last letter to the next
  // syllable's initial). Empty for a name no key can match.
  std::vector<DigitSet> nameDigits_;
  // Per contact, as digits (0: none): the first two letters of its first
  // syllable and the initial of the second, and how many syllables it has.
  // A key of one digit is ranked from these alone.
  struct Head {
    char first = 0;
    char second = 0;
    char next = 0;
    uint8_t syllables = 0;
  };
  static Head HeadOf(const T9Reading& reading);
  std::vector<Head> heads_;
  std::vector<uint32_t> calls_;
};

}  // namespace qzpam
