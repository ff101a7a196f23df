// Pinyin readings, index letters and sort order of names.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "text/NameReading.h"

using qzpam::NameReading;

namespace {

TEST(NameReading, LettersFollowTheReadingAsAName) {
  struct Case {
    const wchar_t* name;
    wchar_t letter;
    const char* initials;
  };
  const Case cases[] = {
      {L"张三", L'Z', "zs"},    {L"曾小贤", L'Z', "zxx"}, {L"单田芳", L'S', "stf"}, {L"解缙", L'X', "xj"},
      {L"Émile Zola", L'E', "ez"}, {L"anna", L'A', "a"},  {L"007", L'#', "0"},     {L"", L'#', ""},
      {L"#tag", L'#', "t"},     {L"王", L'W', "w"},
  };
  for (const Case& c : cases) {
    NameReading reading = NameReading::Of(c.name);
    EXPECT_EQ(reading.letter, c.letter) << c.name;
    EXPECT_EQ(reading.initials, c.initials) << c.name;
  }
  // A surname reading only applies to the first character.
  EXPECT_EQ(NameReading::Of(L"曾").reading, "zeng");
  EXPECT_EQ(NameReading::Of(L"王曾").reading, "wang ceng");
}

TEST(NameReading, NamesSortByReadingWithChineseAndLatinInterleavedAndAlikeReadingsApart) {
  std::vector<std::wstring> names = {L"Zoe", L"张三", L"阿宝", L"Bob", L"曾国藩", L"陈明", L"单雄信", L"Andy", L"白云"};
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return NameReading::Of(a).sortKey < NameReading::Of(b).sortKey;
  });
  const std::vector<std::wstring> expected = {L"阿宝", L"Andy",  L"白云", L"Bob", L"陈明",
                                              L"单雄信", L"曾国藩", L"张三", L"Zoe"};
  EXPECT_EQ(names, expected);
  // Names that read alike still have a fixed order.
  EXPECT_EQ(NameReading::Of(L"张三").reading, NameReading::Of(L"章三").reading);
  EXPECT_NE(NameReading::Of(L"张三").sortKey, NameReading::Of(L"章三").sortKey);
}

}  // namespace
