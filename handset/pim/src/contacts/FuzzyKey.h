// A search key of GetContactslistFuzzy, read once per search: the key
// case-folded (for names), its letters when it is made of letters a-z only
// (for readings and initials), its digits when it is a number.
#pragma once

#include <string>
#include <string_view>

namespace qzpam {

class FuzzyKey {
 public:
  explicit FuzzyKey(std::wstring_view key);

  const std::wstring& folded() const { return folded_; }
  const std::string& letters() const { return letters_; }
  const std::string& digits() const { return digits_; }

 private:
  std::wstring folded_;
  std::string letters_;
  std::string digits_;
};

}  // namespace qzpam
