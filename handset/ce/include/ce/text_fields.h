// Escaping of one-line text fields, for state kept in tab-separated text
// files (the launch journal, the window directory, the mail log).
#pragma once

#include <string>
#include <string_view>

namespace ce {

// Keeps a field on one line and free of tabs: backslash, tab, newline and
// carriage return become \\, \t, \n and \r.
std::string EscapeField(std::string_view field);
std::string UnescapeField(std::string_view field);

}  // namespace ce
