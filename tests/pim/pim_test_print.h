// Readable GoogleTest failure messages for the data library's strings.
#pragma once

#include <ostream>
#include <string>

#include "qzpam/qzu_string.h"

namespace qzu {

inline void PrintTo(const string& text, std::ostream* out) {
  std::string utf8;
  for (const wchar_t wc : text) {
    const auto cp = static_cast<char32_t>(wc);
    if (cp < 0x80) {
      utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
      utf8 += static_cast<char>(0xC0 | (cp >> 6));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (cp >> 12));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      utf8 += "\\U+" + std::to_string(static_cast<unsigned>(cp));
    }
  }
  *out << '"' << utf8 << '"';
}

}  // namespace qzu
