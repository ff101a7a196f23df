#include "t9/T9Marks.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>

namespace qzpam {
namespace {

bool IsHan(wchar_t c) {
  UErrorCode status = U_ZERO_ERROR;
  return uscript_getScript(static_cast<UChar32>(c), &status) == USCRIPT_HAN;
}

}  // namespace

std::vector<int> NameMarks(std::wstring_view name, const T9Match& match) {
  std::vector<int> marks;
  if (match.rank == T9Rank::None) return marks;
  size_t syllable = 0;
  auto take = [&](size_t at, size_t length) {
    if (syllable >= match.firstSyllable && syllable - match.firstSyllable < match.taken.size()) {
      size_t count = std::min<size_t>(match.taken[syllable - match.firstSyllable], length);
      for (size_t k = 0; k < count; ++k) marks.push_back(static_cast<int>(at + k));
    }
    ++syllable;
  };
  for (size_t i = 0; i < name.size();) {
    if (IsHan(name[i])) {
      take(i, 1);
      ++i;
    } else if (u_isalnum(static_cast<UChar32>(name[i]))) {
      size_t end = i;
      while (end < name.size() && !IsHan(name[end]) && u_isalnum(static_cast<UChar32>(name[end]))) ++end;
      take(i, end - i);
      i = end;
    } else {
      ++i;
    }
  }
  return marks;
}

std::vector<int> NumberMarks(std::wstring_view number, std::string_view key) {
  std::vector<int> digitsAt;
  std::string digits;
  for (size_t i = 0; i < number.size(); ++i) {
    if (number[i] >= L'0' && number[i] <= L'9') {
      digits += static_cast<char>(number[i]);
      digitsAt.push_back(static_cast<int>(i));
    }
  }
  size_t at = key.empty() ? std::string::npos : digits.find(key);
  if (at == std::string::npos) return {};
  return std::vector<int>(digitsAt.begin() + static_cast<long>(at), digitsAt.begin() + static_cast<long>(at + key.size()));
}

}  // namespace qzpam
