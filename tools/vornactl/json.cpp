#include "json.h"

#include <cstdio>

#include "ce/utf8.h"

namespace vornactl {

std::string JsonString(std::string_view text) {
  bool valid = true;
  std::wstring wide = ce::FromUtf8(text, &valid);
  std::string repaired = valid ? std::string() : ce::ToUtf8(wide);
  std::string_view utf8 = valid ? text : std::string_view(repaired);
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace vornactl
