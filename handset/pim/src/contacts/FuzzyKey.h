// A search key of GetContactslistFuzzy, prepared once per search: it
// matches a contact by the characters of its name, the start of any
// syllable of its full pinyin, its pinyin initials, or the digits of one of
// its numbers.
#pragma once

#include <string>

#include "contacts/ContactSnapshot.h"

namespace qzpam {

class FuzzyKey {
 public:
  explicit FuzzyKey(const std::wstring& key);
  // Whether the contact matches, and which of its numbers matched (-1 when
  // it matched by name or pinyin).
  bool Matches(const SnapshotContact& contact, int* numberIndex) const;
  // Every contact that this key matches also matches `shorter` when the key
  // begins with it, so a search can narrow the previous one's results.
  bool Narrows(const std::wstring& shorterFolded) const {
    return !shorterFolded.empty() && folded_.starts_with(shorterFolded);
  }
  const std::wstring& folded() const { return folded_; }

 private:
  std::wstring folded_;
  std::string letters_;  // set when the key is made of letters a-z only
  std::string digits_;   // set when the key is a number
};

}  // namespace qzpam
