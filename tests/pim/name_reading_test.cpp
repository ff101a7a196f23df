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

TEST(NameReading, CompoundSurnamesReadAsSurnamesOnlyAtTheStart) {
  struct Case {
    const wchar_t* name;
    const char* reading;
    wchar_t letter;
  };
  const Case cases[] = {
      {L"欧阳修", "ou yang xiu", L'O'},      {L"司马光", "si ma guang", L'S'},   {L"诸葛亮", "zhu ge liang", L'Z'},
      {L"上官婉儿", "shang guan wan er", L'S'}, {L"东方朔", "dong fang shuo", L'D'}, {L"皇甫嵩", "huang fu song", L'H'},
      {L"慕容复", "mu rong fu", L'M'},       {L"令狐冲", "ling hu chong", L'L'},  {L"夏侯惇", "xia hou dun", L'X'},
      {L"公孙胜", "gong sun sheng", L'G'},   {L"长孙无忌", "zhang sun wu ji", L'Z'}, {L"单于", "chan yu", L'C'},
      {L"万俟卨", "mo qi xie", L'M'},        {L"澹台明", "tan tai ming", L'T'},   {L"拓跋宏", "tuo ba hong", L'T'},
      {L"尉迟恭", "yu chi gong", L'Y'},      {L"乐正", "yue zheng", L'Y'},
      // The single surnames keep their readings; a compound one counts only
      // at the start of the name.
      {L"长江", "chang jiang", L'C'},        {L"单田芳", "shan tian fang", L'S'}, {L"万里", "wan li", L'W'},
      {L"李万俟", "li wan qi", L'L'},
  };
  for (const Case& c : cases) {
    NameReading reading = NameReading::Of(c.name);
    EXPECT_EQ(reading.reading, c.reading) << c.name;
    EXPECT_EQ(reading.letter, c.letter) << c.name;
  }
  std::vector<std::wstring> names = {L"长孙无忌", L"陈明", L"赵六", L"张三", L"万俟卨", L"马云"};
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return NameReading::Of(a).sortKey < NameReading::Of(b).sortKey;
  });
  EXPECT_EQ(names, (std::vector<std::wstring>{L"陈明", L"马云", L"万俟卨", L"张三", L"长孙无忌", L"赵六"}));
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
