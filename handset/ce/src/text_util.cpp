#include "text_util.h"

#include <unicode/uchar.h>

#include "ce/utf8.h"

namespace ce::internal {

std::optional<std::string> WideToUtf8(std::wstring_view text) {
  bool valid = true;
  std::string utf8 = ToUtf8(text, &valid);
  if (!valid) return std::nullopt;
  return utf8;
}

std::wstring FoldCase(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) out += static_cast<wchar_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
  return out;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (u_foldCase(static_cast<UChar32>(a[i]), U_FOLD_CASE_DEFAULT) !=
        u_foldCase(static_cast<UChar32>(b[i]), U_FOLD_CASE_DEFAULT))
      return false;
  return true;
}

std::string EscapeField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string UnescapeField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    char next = field[++i];
    out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

}  // namespace ce::internal
