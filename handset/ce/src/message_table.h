// The table of registered window message names in <root>/run/window-messages.txt:
// one line per name,
//   id in hexadecimal <TAB> name (UTF-8, escaped as in text_util.h)
// Lines are only ever appended, so an id once given stays with its name.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "ce/types.h"

namespace ce::internal {

inline constexpr UINT kFirstMessageId = 0xC000;
inline constexpr UINT kLastMessageId = 0xFFFF;

// Adds every well-formed line to `ids` (folded name -> id; the first line
// of a name wins) and returns the highest id seen, 0 for none. Lines that
// are malformed, out of range or cut short by a crash are skipped.
UINT ParseMessageTable(std::string_view content, std::map<std::wstring, UINT>& ids);

// The line that records `id` for a name given in UTF-8.
std::string MessageTableLine(UINT id, std::string_view utf8Name);

}  // namespace ce::internal
