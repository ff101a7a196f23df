// Debug output: NKDbgPrintfW formats like the handset's wide printf (%s is a
// wide string, %S a narrow one) and writes the line to the debug log under
// the device root, <root>/log/debug.log. The log is capped: when it would
// pass kDebugLogLimit bytes it is renamed to debug.log.1 (replacing the older
// one) and a new log begins. With VORNA_DEBUG set (and not "0") every line
// also goes to stderr.
#pragma once

#include <cstddef>
#include <string>

#include "ce/types.h"

void NKDbgPrintfW(LPCWSTR format, ...);

namespace ce {

inline constexpr std::size_t kDebugLogLimit = 1024 * 1024;

// The handset's wide printf rules turned into the C library's: %s and %c take
// wide text, %S and %C narrow text, %hs/%ls and %hc/%lc say it outright.
std::wstring TranslateDebugFormat(const wchar_t* format);

}  // namespace ce
