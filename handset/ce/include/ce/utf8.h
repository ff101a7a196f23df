// Conversions between wide text (UTF-32 in memory here) and UTF-8, used where
// the services meet the Linux side: file names, log lines, stored text.
#pragma once

#include <string>
#include <string_view>

namespace ce {

// Code points that UTF-8 cannot carry (surrogates, values above U+10FFFF)
// become U+FFFD; *valid, when given, tells whether any were met.
std::string ToUtf8(std::wstring_view text, bool* valid = nullptr);

// Malformed sequences become U+FFFD; *valid, when given, tells whether any were met.
std::wstring FromUtf8(std::string_view text, bool* valid = nullptr);

// True for a code point that can stand in well-formed Unicode text.
constexpr bool IsScalarValue(char32_t c) { return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF); }

}  // namespace ce
