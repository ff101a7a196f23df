// Minimal JSON text output for --json.
#pragma once

#include <string>
#include <string_view>

namespace vornactl {

// A JSON string literal (quotes included) for UTF-8 text. Bytes that are
// not UTF-8 (a file name from the command line, say) become U+FFFD, so the
// output stays valid JSON.
std::string JsonString(std::string_view utf8);

}  // namespace vornactl
