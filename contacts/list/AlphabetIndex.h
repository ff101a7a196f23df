// AlphabetIndex: where a list of rows sorted by index letter must stand for
// each letter A to Z to show that letter's first row at its top. Both the
// contacts window and the value picker jump their lists through one of these.
//
// Each entry is a list top position (0 is the top, more negative is further
// down). A letter without rows maps to the first row of the next letter that
// has some; letters after the last row's letter, and rows too near the end to
// reach the top, map to the furthest the list can scroll.
#pragma once

#include <array>
#include <functional>

class AlphabetIndex {
 public:
  static constexpr int kLetterCount = 26;

  // What the scan reads of a list.
  struct Rows {
    // The first row at or after `start` whose letter is not below `letter`
    // (compared as unsigned 16-bit values), or -1.
    std::function<int(wchar_t letter, int start)> findLetterRow;
    // The height of one row as the list lays it out.
    std::function<int(int row)> rowHeight;
    // The greatest distance the content can scroll.
    int maxOffset = 0;
    // Rows before this one never match a letter (the picker's group rows).
    int firstLetterRow = 0;
  };

  // Scans the rows once, forward, for the 26 letters.
  void Compute(const Rows& rows);

  // The top position for `letter` ("A" to "Z"); false, leaving `top` alone,
  // for any other character.
  bool TopPosOf(wchar_t letter, int& top) const;
  // Entry i (0 for "A"); 0 outside the letters.
  int Entry(int i) const { return i >= 0 && i < kLetterCount ? map_[static_cast<size_t>(i)] : 0; }

 private:
  std::array<int, kLetterCount> map_{};
};
