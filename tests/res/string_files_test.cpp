// The two string data files: the library's built-in Chinese table and the
// English satellite, and the reader they are both parsed with.
#include <gtest/gtest.h>

#include <map>

#include "string_table_file.h"

namespace vorna::res {
namespace {

std::map<int, std::string> LoadAsMap(const char* path) {
  const StringTableResult table = LoadStringTable(path);
  EXPECT_TRUE(table.ok()) << path << ":" << table.error_line << ": " << table.error;
  std::map<int, std::string> texts;
  for (const StringEntry& e : table.entries) texts[e.id] = e.text;
  return texts;
}

void ExpectCompleteTable(const char* path) {
  const StringTableResult table = LoadStringTable(path);
  ASSERT_TRUE(table.ok()) << path << ":" << table.error_line << ": " << table.error;
  ASSERT_EQ(table.entries.size(), 275u) << path;
  for (std::size_t i = 0; i < table.entries.size(); ++i) {
    EXPECT_EQ(table.entries[i].id, 600 + i) << path << " entry " << i;
    EXPECT_FALSE(table.entries[i].text.empty()) << path << " id " << table.entries[i].id;
  }
}

TEST(StringFiles, BothHoldIds600To874InOrderWithText) {
  ExpectCompleteTable(VORNA_ZH_STRINGS);
  ExpectCompleteTable(VORNA_EN_STRINGS);
}

TEST(StringFiles, FormatConversionsAgreeBetweenLanguages) {
  const auto zh = LoadAsMap(VORNA_ZH_STRINGS);
  const auto en = LoadAsMap(VORNA_EN_STRINGS);
  for (const auto& [id, text] : zh) {
    ASSERT_TRUE(en.count(id)) << id;
    EXPECT_EQ(FormatConversions(text), FormatConversions(en.at(id))) << "id " << id;
  }
}

TEST(StringTableReader, DecodesEscapesToleratesCrLfAndRefusesMalformedLines) {
  const StringTableResult t = ParseStringTable("1\ta\\nb\r\n\n2\tx\\ty\\\\z\n3\t\n");
  ASSERT_TRUE(t.ok()) << t.error;
  ASSERT_EQ(t.entries.size(), 3u);
  EXPECT_EQ(t.entries[0].text, "a\nb");
  EXPECT_EQ(t.entries[1].text, "x\ty\\z");
  EXPECT_EQ(t.entries[2].id, 3);
  EXPECT_EQ(t.entries[2].text, "");

  // Malformed lines are refused with their line number, and nothing is kept.
  struct Case {
    const char* data;
    std::size_t line;
  };
  const Case cases[] = {
      {"1\tok\n1\tagain\n", 2},        // duplicate id
      {"1\tok\n\nno tab\n", 3},        // missing tab
      {"x1\ttext\n", 1},               // id not a number
      {"70000\ttext\n", 1},            // id beyond 16 bits
      {"\ttext\n", 1},                 // empty id
      {"1\tbad \\q escape\n", 1},      // unknown escape
      {"1\tends in \\", 1},            // lone backslash
      {"1\traw\ttab\n", 1},            // raw control character
      {"1\t\xE4\xB8\n", 1},            // cut UTF-8 sequence
      {"1\t\xC0\xAF\n", 1},            // overlong UTF-8
      {"1\t\xED\xA0\x80\n", 1},        // UTF-16 surrogate
  };
  for (const Case& c : cases) {
    const StringTableResult refused = ParseStringTable(c.data);
    EXPECT_FALSE(refused.ok()) << c.data;
    EXPECT_EQ(refused.error_line, c.line) << c.data;
    EXPECT_TRUE(refused.entries.empty()) << c.data;
  }
  EXPECT_FALSE(LoadStringTable("/nonexistent/strings.tsv").ok());
}

TEST(StringTableReader, FormatConversionsIgnoreWidthAndLiteralPercent) {
  using V = std::vector<std::string>;
  EXPECT_EQ(FormatConversions("%d%s"), (V{"d", "s"}));
  EXPECT_EQ(FormatConversions("%02d:%-5ls"), (V{"d", "ls"}));
  EXPECT_EQ(FormatConversions("100%% sure"), V{});
  EXPECT_EQ(FormatConversions("up 50%!"), V{"%"});
  EXPECT_EQ(FormatConversions("50% off"), V{"o"});  // printf reads "% o" as octal
  EXPECT_EQ(FormatConversions("trailing %"), V{"%"});
}

}  // namespace
}  // namespace vorna::res
