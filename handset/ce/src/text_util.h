// Text helpers shared by the services that keep their state in files:
// strict UTF-8 encoding, case folding for CE's case-insensitive names, and
// escaping of one-line text fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ce::internal {

// Invalid input (a lone surrogate, a code point above U+10FFFF) gives nullopt
// rather than a replacement character, so two different names never map to
// the same bytes.
std::optional<std::string> WideToUtf8(std::wstring_view text);

// Simple Unicode case folding, so that "\Windows" and "\windows" compare equal.
std::wstring FoldCase(std::wstring_view text);
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);

// Keeps a field on one line and free of tabs: backslash, tab, newline and
// carriage return become \\, \t, \n and \r.
std::string EscapeField(std::string_view field);
std::string UnescapeField(std::string_view field);

}  // namespace ce::internal
