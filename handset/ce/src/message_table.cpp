#include "message_table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "ce/utf8.h"
#include "ce/wstring.h"
#include "text_util.h"

namespace ce::internal {

UINT ParseMessageTable(std::string_view content, std::map<std::wstring, UINT>& ids) {
  UINT highest = 0;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) break;
    std::string_view line = content.substr(start, end - start);
    start = end + 1;
    size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    UINT id = 0;
    auto [idEnd, error] = std::from_chars(line.data(), line.data() + tab, id, 16);
    if (error != std::errc() || idEnd != line.data() + tab || id < kFirstMessageId || id > kLastMessageId) continue;
    highest = std::max(highest, id);
    ids.emplace(FoldCase(FromUtf8(UnescapeField(line.substr(tab + 1)))), id);
  }
  return highest;
}

std::string MessageTableLine(UINT id, std::string_view utf8Name) {
  char idText[16];
  std::snprintf(idText, sizeof idText, "%04x", id);
  return std::string(idText) + "\t" + EscapeField(utf8Name) + "\n";
}

}  // namespace ce::internal
