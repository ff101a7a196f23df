// What the fuzzy search looks at, for every contact of one snapshot, packed
// into a few long strings in list order: folded names, readings, initials
// and the digits of the numbers, each entry closed by a zero. A search runs
// through them with string search instead of visiting every contact, and
// maps each hit back to its contact. Next to them, what the contacts' rows
// show (ContactTexts), so that a long result is handed out quickly too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "contacts/ContactTexts.h"

namespace qzpam {

class FuzzyIndex {
 public:
  explicit FuzzyIndex(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return texts_.size(); }
  // What each contact's row shows, by the same position.
  const ContactTexts& texts() const { return texts_; }

  // The first contact at or after `from` whose folded name contains `key`;
  // size() when none.
  size_t NextByName(std::wstring_view key, size_t from) const;
  // ... whose initials contain the letters.
  size_t NextByInitials(std::string_view letters, size_t from) const;
  // ... whose reading contains the letters from the start of a syllable on.
  size_t NextByReading(std::string_view letters, size_t from) const;
  // ... one of whose numbers contains the digits; `number` is which one.
  size_t NextByDigits(std::string_view digits, size_t from, int* number) const;

 private:
  // The contact, `from` or after it, whose entry in a packed string (with
  // entry starts `starts`) holds position `at`.
  static size_t Owner(const std::vector<uint32_t>& starts, size_t from, size_t at);

  ContactTexts texts_;
  std::wstring names_;
  std::vector<uint32_t> nameStarts_;
  std::string initials_;
  std::vector<uint32_t> initialStarts_;
  std::string readings_;
  std::vector<uint32_t> readingStarts_;
  std::vector<bool> syllableStarts_;  // per character of readings_
  std::string digits_;                 // each number closed by a zero
  std::vector<uint32_t> digitStarts_;
};

}  // namespace qzpam
