// What the fuzzy search looks at, for every contact of one snapshot, packed
// into a few long strings in list order: folded names, readings and
// initials, each entry closed by a zero, and the digits of the numbers with
// a DigitSet per number. A search runs through them with string search
// instead of visiting every contact, and maps each hit back to its contact.
// Next to them, what the contacts' rows show (ContactTexts), so that a long
// result is handed out quickly too. The smart dial reads the readings and
// number digits from here as well, so they are kept once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "contacts/ContactTexts.h"
#include "contacts/DigitSet.h"
#include "contacts/FuzzyKey.h"

namespace qzpam {

// A matching contact, by its position in list order, and which of its
// numbers matched the key's digits (-1 when it matched otherwise; its row
// then shows the primary number).
struct FuzzyHit {
  uint32_t contact;
  int32_t number;
};

class FuzzyIndex {
 public:
  explicit FuzzyIndex(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return texts_.size(); }
  // What each contact's row shows, by the same position.
  const ContactTexts& texts() const { return texts_; }

  // Every contact that matches the key, in list order, into `hits`: its
  // folded name contains the key, or its initials contain the key's
  // letters, or its reading contains them from the start of a syllable on,
  // or one of its numbers contains the key's digits. An empty key matches
  // every contact.
  void Match(const FuzzyKey& key, std::vector<FuzzyHit>& hits) const;

  // A contact's reading without spaces, and from its first letter on, a
  // mark on each letter that starts a syllable.
  std::string_view Reading(size_t contact) const;
  std::vector<bool>::const_iterator SyllableStarts(size_t contact) const {
    return syllableStarts_.begin() + readingStarts_[contact];
  }

  // Which of the contact's numbers is the first to contain `digits`
  // (`wanted` is their DigitSet); -1 when none does.
  int32_t NumberHolding(size_t contact, std::string_view digits, const DigitSet& wanted) const;
  // The contacts with a number equal to `digits`, in list order, each with
  // the first such number.
  std::vector<FuzzyHit> NumbersEqualTo(std::string_view digits) const;

 private:
  std::vector<uint32_t> ByName(std::wstring_view key) const;
  std::vector<uint32_t> ByInitials(std::string_view letters) const;
  std::vector<uint32_t> ByReading(std::string_view letters) const;
  std::vector<FuzzyHit> ByDigits(std::string_view digits) const;

  ContactTexts texts_;
  std::wstring names_;
  std::vector<uint32_t> nameStarts_;
  std::string initials_;
  std::vector<uint32_t> initialStarts_;
  std::string readings_;
  std::vector<uint32_t> readingStarts_;
  std::vector<bool> syllableStarts_;  // per character of readings_
  // The digits of every number, one after the other; where each number's
  // digits start in it (one entry more than there are numbers); where each
  // contact's numbers start among them (one entry more than contacts); and
  // each number's DigitSet.
  std::string digits_;
  std::vector<uint32_t> digitStarts_;
  std::vector<uint32_t> numberStarts_;
  std::vector<DigitSet> digitSets_;
};

}  // namespace qzpam
