// The alphabet scan over lists of rows sorted by letter: the contacts
// window's form (maximum offset = content minus list height) and the
// picker's (group rows skipped, maximum offset = content minus one row).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/list/AlphabetIndex.h"

namespace {

// Rows given as runs of a letter, all 82 high unless a height is given.
struct Layout {
  std::wstring letters;  // one character per row
  std::vector<int> heights = {};
  int listHeight = 586;
  int firstLetterRow = 0;
  bool pickerMax = false;  // maximum offset = content - 82 instead of content - list height
};

std::wstring Letters(wchar_t letter, int count) { return std::wstring(static_cast<size_t>(count), letter); }

AlphabetIndex Scan(const Layout& layout, int* heightReads = nullptr) {
  auto height = [&layout](int row) {
    return layout.heights.empty() ? 82 : layout.heights[static_cast<size_t>(row)];
  };
  int content = 0;
  for (int row = 0; row < static_cast<int>(layout.letters.size()); ++row) content += height(row);
  AlphabetIndex::Rows rows;
  rows.findLetterRow = [&layout](wchar_t letter, int start) {
    for (int i = start; i < static_cast<int>(layout.letters.size()); ++i)
      if (static_cast<uint16_t>(layout.letters[static_cast<size_t>(i)]) >= static_cast<uint16_t>(letter)) return i;
    return -1;
  };
  rows.rowHeight = [&](int row) {
    if (heightReads) ++*heightReads;
    return height(row);
  };
  rows.maxOffset = content - (layout.pickerMax ? 82 : layout.listHeight);
  rows.firstLetterRow = layout.firstLetterRow;
  AlphabetIndex index;
  index.Compute(rows);
  return index;
}

// The 26 entries, "A" first.
std::vector<int> Entries(const AlphabetIndex& index) {
  std::vector<int> out;
  for (int i = 0; i < AlphabetIndex::kLetterCount; ++i) out.push_back(index.Entry(i));
  return out;
}

std::vector<int> Expect(std::initializer_list<std::pair<wchar_t, int>> firstEntries, int rest) {
  std::vector<int> out(AlphabetIndex::kLetterCount, rest);
  for (auto [letter, value] : firstEntries) out[static_cast<size_t>(letter - L'A')] = value;
  return out;
}

TEST(AlphabetIndex, FortyRowsOfAAndCInAListOf586) {
  // Maximum offset 40 * 82 - 586 = 2694.
  EXPECT_EQ(Entries(Scan({Letters(L'A', 20) + Letters(L'C', 20)})), Expect({{L'A', 0}, {L'B', -1640}, {L'C', -1640}}, -2694));
  // Z from row 35: 35 * 82 = 2870 is cut to the maximum offset.
  EXPECT_EQ(Entries(Scan({Letters(L'A', 20) + Letters(L'C', 15) + Letters(L'Z', 5)})),
            Expect({{L'A', 0}, {L'B', -1640}, {L'C', -1640}}, -2694));
  // A list that starts at a later letter maps the earlier ones to the top.
  std::vector<int> fromM = Expect({}, -2694);
  for (int i = 0; i <= L'M' - L'A'; ++i) fromM[static_cast<size_t>(i)] = 0;
  EXPECT_EQ(Entries(Scan({Letters(L'M', 40)})), fromM);
  // "#" rows sort last and match no letter.
  EXPECT_EQ(Entries(Scan({Letters(L'B', 10) + Letters(L'#', 30)})), Expect({{L'A', 0}, {L'B', 0}}, -2694));
}

TEST(AlphabetIndex, PickerSkipsGroupRowsAndScrollsToOneRowBeforeTheEnd) {
  // Three group rows (letter "#", never matched even though the store sorts
  // nothing before them), then A x 10, D x 10.
  Layout layout{Letters(L'#', 3) + Letters(L'A', 10) + Letters(L'D', 10)};
  layout.firstLetterRow = 3;
  layout.pickerMax = true;  // 23 * 82 - 82 = 1804
  EXPECT_EQ(Entries(Scan(layout)), Expect({{L'A', -246}, {L'B', -1066}, {L'C', -1066}, {L'D', -1066}}, -1804));
  // Group rows carrying letters above "A" still do not match.
  Layout lettered{L"ZZ" + Letters(L'B', 30)};
  lettered.firstLetterRow = 2;
  lettered.pickerMax = true;
  EXPECT_EQ(Entries(Scan(lettered)), Expect({{L'A', -164}, {L'B', -164}}, -2542));
}

TEST(AlphabetIndex, VaryingHeightsAreSummedAndRowsAreReadOnce) {
  // Group view: rows outside the opened group are 0 high.
  Layout layout{Letters(L'A', 4) + Letters(L'B', 4) + Letters(L'C', 4)};
  layout.heights = {82, 0, 82, 0, 0, 0, 82, 82, 0, 82, 0, 82};
  layout.pickerMax = true;  // 6 * 82 - 82 = 410
  int reads = 0;
  EXPECT_EQ(Entries(Scan(layout, &reads)), Expect({{L'A', 0}, {L'B', -164}, {L'C', -328}}, -410));
  EXPECT_LE(reads, 12);
}

TEST(AlphabetIndex, OnlyLettersAToZHaveATopPosition) {
  AlphabetIndex index = Scan({Letters(L'A', 20) + Letters(L'C', 20)});
  int top = 7;
  EXPECT_TRUE(index.TopPosOf(L'C', top));
  EXPECT_EQ(top, -1640);
  for (wchar_t outside : {L'#', L'a', L'@', L'[', L'\0'}) {
    EXPECT_FALSE(index.TopPosOf(outside, top));
    EXPECT_EQ(top, -1640) << "left alone for " << static_cast<int>(outside);
  }
}

}  // namespace
