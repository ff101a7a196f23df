// Reading the string data files: one entry per line, "id<TAB>text", UTF-8.
// Inside a text, "\n", "\t" and "\\" stand for a line break, a tab and a
// backslash; no other control character may appear raw. The same reader
// serves the build steps that turn these files into resources and the tests
// that check them, so every consumer agrees on one format.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorna::res {

struct StringEntry {
  std::uint16_t id = 0;
  std::string text;  // UTF-8, escapes decoded
};

struct StringTableResult {
  std::vector<StringEntry> entries;  // in file order
  std::string error;                 // empty on success
  std::size_t error_line = 0;        // 1-based line of the first error
  bool ok() const { return error.empty(); }
};

// Parses a whole file's contents. Blank lines are skipped; a line may end in
// "\r\n". Stops at the first malformed line (bad id, duplicate id, missing
// tab, unknown escape, raw control character, invalid UTF-8).
StringTableResult ParseStringTable(std::string_view data);

// Reads and parses a file; a file that cannot be read is an error on line 0.
StringTableResult LoadStringTable(const std::filesystem::path& path);

// The printf conversions in a text, in order, reduced to what must agree
// between translations: length modifier and conversion ("d", "s", "ld").
// "%%" is a literal percent sign and yields nothing.
std::vector<std::string> FormatConversions(std::string_view text);

}  // namespace vorna::res
