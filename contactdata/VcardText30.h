// Values and lines of vCard 3.0 cards: UTF-8 text with backslash escapes,
// lines folded at 75 bytes.
#pragma once

#include <string>
#include <string_view>

namespace VcardText30 {

// Appends the text as UTF-8 with "\\", "\,", "\;" and "\n" for a backslash,
// comma, semicolon and line break (a CR LF pair or a lone CR counts as one).
void AppendEscaped(std::string& out, std::wstring_view text);

// Appends one content line, ended by CR LF: cut into pieces of at most 75
// bytes, each further piece on a line of its own behind one space. A cut
// never falls inside a UTF-8 sequence.
void AppendFolded(std::string& card, std::string_view line);

}  // namespace VcardText30
