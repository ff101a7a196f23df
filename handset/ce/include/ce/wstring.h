// Wide-string helpers that handset code calls by their C run-time names.
#pragma once

#include <string>
#include <string_view>

#include "ce/types.h"

// The decimal number at the start of the text: leading white space is
// skipped, reading stops at the first non-digit, and text that does not
// start with a digit gives 0. No sign is read. Values past LONG's range
// stop growing at its maximum. A null pointer gives 0.
LONG _wtol(const wchar_t* text);
int _wtoi(const wchar_t* text);

// Case-insensitive comparisons by Unicode simple case folding; negative,
// zero or positive like wcscmp. Null pointers sort before any text.
int _wcsicmp(const wchar_t* a, const wchar_t* b);
int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count);

namespace ce {

// The text with each character case-folded: the key under which the
// case-insensitive services (paths, registry) compare names.
std::wstring FoldCase(std::wstring_view text);

}  // namespace ce
