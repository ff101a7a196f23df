// Escaping of one-line text fields, shared by the services that keep their
// state in tab-separated text files.
#pragma once

#include <string>
#include <string_view>

namespace ce::internal {

// Keeps a field on one line and free of tabs: backslash, tab, newline and
// carriage return become \\, \t, \n and \r.
std::string EscapeField(std::string_view field);
std::string UnescapeField(std::string_view field);

}  // namespace ce::internal
