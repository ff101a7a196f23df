#include "contacts/list/AlphabetIndex.h"

#include <algorithm>

void AlphabetIndex::Compute(const Rows& rows) {
  const int maxOffset = std::max(rows.maxOffset, 0);
  int start = 0;
  // The height of rows 0 to summedRows - 1, carried forward: the rows found
  // never move backwards, so each row's height is read at most once.
  int summedRows = 0;
  long long summedHeight = 0;
  for (int i = 0; i < kLetterCount; ++i) {
    const wchar_t letter = static_cast<wchar_t>(L'A' + i);
    const int row = rows.findLetterRow(letter, std::max(start, rows.firstLetterRow));
    if (row > start) start = row;
    long long offset = maxOffset;
    if (row >= 0) {
      while (summedRows < row && summedHeight < maxOffset) summedHeight += rows.rowHeight(summedRows++);
      if (summedRows < row) summedRows = row;  // past the end of the scroll: the rest cannot count
      offset = std::min<long long>(summedHeight, maxOffset);
    }
    map_[static_cast<size_t>(i)] = -static_cast<int>(offset);
  }
}

bool AlphabetIndex::TopPosOf(wchar_t letter, int& top) const {
  if (letter < L'A' || letter > L'Z') return false;
  top = map_[static_cast<size_t>(letter - L'A')];
  return true;
}
