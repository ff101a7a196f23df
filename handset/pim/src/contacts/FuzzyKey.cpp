#include "contacts/FuzzyKey.h"

#include "ce/wstring.h"

namespace qzpam {

FuzzyKey::FuzzyKey(std::wstring_view key) : folded_(ce::FoldCase(key.substr(0, key.find(L'\0')))) {
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

}  // namespace qzpam
