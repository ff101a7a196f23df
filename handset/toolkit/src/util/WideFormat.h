// Wide printf formatting with the handset's conventions on top of the C
// library's vswprintf, whose conventions differ: in a wide format the handset
// reads %s and %c as wide arguments, the C library as narrow ones.
#pragma once

#include <cstdarg>
#include <string>

namespace qzfc {

// Rewrites a handset-convention wide format into the C library's: %s/%c
// become %ls/%lc, %S/%C/%hs/%hc become %s/%c, %ws becomes %ls, %I64 becomes
// %ll and %I32 is dropped. Everything else passes through unchanged.
std::wstring TranslateWideFormat(const wchar_t* format);

// Expands a handset-convention format. Returns false (and leaves out empty)
// when the format is null or the result cannot be produced, e.g. a narrow
// argument that is not valid in the current locale, or a result of more
// than a million characters.
bool FormatWideV(std::wstring& out, const wchar_t* format, va_list args);

}  // namespace qzfc
