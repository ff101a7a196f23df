#include "contacts/FuzzyKey.h"

#include "ce/wstring.h"

namespace qzpam {

FuzzyKey::FuzzyKey(const std::wstring& key) : folded_(ce::FoldCase(key)) {
  bool onlyLetters = true;
  bool onlyDigits = true;
  std::string letters;
  std::string digits;
  for (wchar_t c : folded_) {
    if (c == L' ') continue;
    bool letter = c >= L'a' && c <= L'z';
    bool digit = c >= L'0' && c <= L'9';
    onlyLetters = onlyLetters && letter;
    onlyDigits = onlyDigits && (digit || c == L'+' || c == L'-');
    if (letter) letters += static_cast<char>(c);
    if (digit) digits += static_cast<char>(c);
  }
  if (onlyLetters) letters_ = std::move(letters);
  if (onlyDigits) digits_ = std::move(digits);
}

bool FuzzyKey::Matches(const SnapshotContact& contact, int* numberIndex) const {
  *numberIndex = -1;
  if (folded_.empty()) return true;
  if (contact.foldedName.find(folded_) != std::wstring::npos) return true;
  if (!letters_.empty()) {
    if (contact.initials.find(letters_) != std::string::npos) return true;
    for (uint16_t start : contact.syllableStarts)
      if (contact.pinyin.compare(start, letters_.size(), letters_) == 0) return true;
  }
  if (!digits_.empty()) {
    for (size_t i = 0; i < contact.numbers.size(); ++i) {
      if (contact.numbers[i].digits.find(digits_) != std::string::npos) {
        *numberIndex = static_cast<int>(i);
        return true;
      }
    }
  }
  return false;
}

}  // namespace qzpam
