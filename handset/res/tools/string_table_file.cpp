#include "string_table_file.h"

#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

namespace vorna::res {
namespace {

// Length of the UTF-8 sequence starting at s[i], or 0 when it is malformed
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t len = 0;
  std::uint32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) {
    len = 2;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    len = 3;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    len = 4;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr std::uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Decodes one line's text; returns an error message or an empty string.
std::string DecodeText(std::string_view raw, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < raw.size();) {
    const unsigned char c = static_cast<unsigned char>(raw[i]);
    if (c == '\\') {
      if (i + 1 >= raw.size()) return "backslash at the end of the text";
      switch (raw[i + 1]) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default: return std::string("unknown escape \\") + raw[i + 1];
      }
      i += 2;
      continue;
    }
    if (c < 0x20 || c == 0x7F) return "raw control character in the text";
    const std::size_t len = Utf8SequenceLength(raw, i);
    if (len == 0) return "invalid UTF-8";
    out.append(raw.substr(i, len));
    i += len;
  }
  return {};
}

}  // namespace

StringTableResult ParseStringTable(std::string_view data) {
  StringTableResult result;
  std::set<std::uint16_t> seen;
  std::size_t line_no = 0;
  while (!data.empty()) {
    ++line_no;
    const std::size_t end = data.find('\n');
    std::string_view line = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;

    const auto fail = [&](std::string message) {
      result.entries.clear();
      result.error = std::move(message);
      result.error_line = line_no;
      return result;
    };
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return fail("no tab after the id");
    const std::string_view id_text = line.substr(0, tab);
    unsigned value = 0;
    const auto [ptr, ec] = std::from_chars(id_text.data(), id_text.data() + id_text.size(), value);
    if (id_text.empty() || ec != std::errc{} || ptr != id_text.data() + id_text.size() || value > 0xFFFF) {
      return fail("the id is not a number from 0 to 65535");
    }
    StringEntry entry;
    entry.id = static_cast<std::uint16_t>(value);
    if (!seen.insert(entry.id).second) return fail("id " + std::to_string(value) + " appears twice");
    if (std::string error = DecodeText(line.substr(tab + 1), entry.text); !error.empty()) return fail(error);
    result.entries.push_back(std::move(entry));
  }
  return result;
}

StringTableResult LoadStringTable(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    StringTableResult result;
    result.error = "cannot read " + path.string();
    return result;
  }
  std::ostringstream contents;
  contents << in.rdbuf();
  return ParseStringTable(contents.str());
}

std::vector<std::string> FormatConversions(std::string_view text) {
  std::vector<std::string> conversions;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    std::size_t k = i + 1;
    if (k < text.size() && text[k] == '%') {
      i = k;
      continue;
    }
    while (k < text.size() && std::string_view("-+ #0").find(text[k]) != std::string_view::npos) ++k;
    while (k < text.size() && ((text[k] >= '0' && text[k] <= '9') || text[k] == '*' || text[k] == '.')) ++k;
    const std::size_t length_start = k;
    while (k < text.size() && std::string_view("hlLqjzt").find(text[k]) != std::string_view::npos) ++k;
    // A '%' not followed by a conversion letter is kept as the bare "%" so
    // that a stray one in one language still shows up as a mismatch.
    if (k < text.size() && std::string_view("diouxXcCsSfFeEgGaAp").find(text[k]) != std::string_view::npos) {
      conversions.emplace_back(text.substr(length_start, k + 1 - length_start));
      i = k;
    } else {
      conversions.emplace_back("%");
    }
  }
  return conversions;
}

}  // namespace vorna::res
