#include "cmd_import_split.h"

#include <cctype>

#include "ce/utf8.h"

namespace vornactl {
namespace {

bool EqualsNoCase(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < upper.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != upper[i]) return false;
  return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view upper) {
  return text.size() >= upper.size() && EqualsNoCase(text.substr(0, upper.size()), upper);
}

bool EndsWithNoCase(std::string_view text, std::string_view upper) {
  return text.size() >= upper.size() && EqualsNoCase(text.substr(text.size() - upper.size()), upper);
}

// A card of its own, or one that an AGENT property of the open card holds.
bool BeginsCard(std::string_view line, std::size_t depth) {
  if (EqualsNoCase(line, "BEGIN:VCARD")) return true;
  return depth > 0 && StartsWithNoCase(line, "AGENT") && EndsWithNoCase(line, ":BEGIN:VCARD");
}

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

// UTF-16 text (after its byte-order mark) as UTF-8; surrogate halves
// without their partner become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::wstring wide;
  wide.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    const char32_t unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const auto c = static_cast<unsigned char>(bytes[i + 2]), d = static_cast<unsigned char>(bytes[i + 3]);
      const char32_t low = bigEndian ? (c << 8 | d) : (d << 8 | c);
      if (low >= 0xDC00 && low < 0xE000) {
        wide += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    wide += static_cast<wchar_t>(unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
  }
  return ce::ToUtf8(wide);
}

}  // namespace

std::vector<std::string_view> SplitVcards(std::string_view file, std::string& storage) {
  if (file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF")) {
    storage = Utf16ToUtf8(file.substr(2), file.starts_with("\xFE\xFF"));
    file = storage;
  }
  std::vector<std::string_view> cards;
  std::size_t depth = 0;
  std::size_t start = 0;
  for (std::size_t at = 0; at < file.size();) {
    std::size_t end = file.find('\n', at);
    if (end == std::string_view::npos) end = file.size();
    const std::string_view line = Trimmed(file.substr(at, end - at));
    if (BeginsCard(line, depth)) {
      if (depth++ == 0) start = at;
    } else if (depth > 0 && EqualsNoCase(line, "END:VCARD")) {
      if (--depth == 0) cards.push_back(file.substr(start, end - start));
    }
    at = end + 1;
  }
  return cards;
}

}  // namespace vornactl
