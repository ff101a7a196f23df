// Wide printf formatting with the handset's conventions (%s is wide text in
// a wide format) on top of the C library's vswprintf, whose %s is narrow.
#pragma once

#include <cstdarg>
#include <string>

namespace qzfc {

// Expands a handset-convention format (rewritten by ce::TranslateDebugFormat).
// Returns false (and leaves out empty) when the format is null or the result
// cannot be produced, e.g. a narrow argument that is not valid in the current
// locale, or a result of more than a million characters.
bool FormatWideV(std::wstring& out, const wchar_t* format, va_list args);

}  // namespace qzfc
