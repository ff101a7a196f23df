// Minimal JSON text output for --json.
#pragma once

#include <string>
#include <string_view>

namespace vornactl {

// A JSON string literal (quotes included) for UTF-8 text.
std::string JsonString(std::string_view utf8);

}  // namespace vornactl
