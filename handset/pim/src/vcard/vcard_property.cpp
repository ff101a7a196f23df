#include "vcard/vcard_property.h"

#include <array>
#include <utility>

namespace qzpam::vcard {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

unsigned TypeFlagOf(std::string_view token) {
  static constexpr std::array<std::pair<std::string_view, unsigned>, 9> kTokens = {{
      {"HOME", kTypeHome},
      {"PRIVATE", kTypeHome},
      {"PERSONAL", kTypeHome},
      {"WORK", kTypeWork},
      {"CELL", kTypeCell},
      {"MOBILE", kTypeCell},
      {"IPHONE", kTypeCell},
      {"FAX", kTypeFax},
      {"PREF", kTypePref},
  }};
  char upper[8];
  if (token.size() > sizeof upper) return 0;
  for (std::size_t i = 0; i < token.size(); ++i) upper[i] = Upper(token[i]);
  const std::string_view key(upper, token.size());
  for (const auto& [name, flag] : kTokens)
    if (key == name) return flag;
  return 0;
}

Encoding EncodingOf(std::string_view value) {
  if (EqualsNoCase(value, "QUOTED-PRINTABLE")) return Encoding::kQuotedPrintable;
  if (EqualsNoCase(value, "BASE64") || EqualsNoCase(value, "B")) return Encoding::kBase64;
  return Encoding::kNone;
}

void AddTypeList(std::string_view list, Property& out) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    out.types |= TypeFlagOf(TrimBlanks(Unquote(TrimBlanks(list.substr(0, comma)))));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
}

void ApplyParameter(std::string_view param, Property& out) {
  const std::size_t eq = param.find('=');
  if (eq == std::string_view::npos) {
    // vCard 2.1 writes bare values: TEL;CELL;PREF, NOTE;QUOTED-PRINTABLE.
    const Encoding encoding = EncodingOf(param);
    if (encoding != Encoding::kNone)
      out.encoding = encoding;
    else
      out.types |= TypeFlagOf(param);
    return;
  }
  const std::string_view key = param.substr(0, eq);
  const std::string_view value = Unquote(param.substr(eq + 1));
  if (EqualsNoCase(key, "TYPE")) {
    AddTypeList(value, out);
  } else if (EqualsNoCase(key, "ENCODING")) {
    out.encoding = EncodingOf(value);
  } else if (EqualsNoCase(key, "CHARSET")) {
    out.charset = value;
  } else if (EqualsNoCase(key, "PREF")) {
    out.types |= kTypePref;
  }
}

Kind KindOf(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Kind>, 18> kKinds = {{
      {"N", Kind::kN},         {"FN", Kind::kFn},       {"TEL", Kind::kTel},     {"EMAIL", Kind::kEmail},
      {"ORG", Kind::kOrg},     {"ADR", Kind::kAdr},     {"URL", Kind::kUrl},     {"X-QQ", Kind::kQq},
      {"X-MSN", Kind::kMsn},   {"BDAY", Kind::kBday},   {"NOTE", Kind::kNote},   {"PHOTO", Kind::kPhoto},
      {"BEGIN", Kind::kBegin}, {"END", Kind::kEnd},     {"VERSION", Kind::kVersion},
      {"AGENT", Kind::kAgent}, {"CATEGORIES", Kind::kCategories}, {"X-RINGTONE", Kind::kRingTone},
  }};
  char upper[16];
  if (name.size() > sizeof upper) return Kind::kOther;
  for (std::size_t i = 0; i < name.size(); ++i) upper[i] = Upper(name[i]);
  const std::string_view key(upper, name.size());
  for (const auto& [known, kind] : kKinds)
    if (key == known) return kind;
  return Kind::kOther;
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

bool ContainsNoCase(std::string_view text, std::string_view what) {
  if (what.size() > text.size()) return false;
  for (std::size_t i = 0; i + what.size() <= text.size(); ++i)
    if (EqualsNoCase(text.substr(i, what.size()), what)) return true;
  return false;
}

template <typename View>
View TrimBlanksOf(View text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) { return TrimBlanksOf(text); }
std::wstring_view TrimBlanks(std::wstring_view text) { return TrimBlanksOf(text); }

std::size_t FindValueColon(std::string_view line) {
  // Quoted parameter values are rare: without a quote before the first
  // colon, that colon is the one.
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos || line.substr(0, colon).find('"') == std::string_view::npos) return colon;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    else if (line[i] == ':' && !quoted) return i;
  }
  return std::string_view::npos;
}

bool ParseProperty(std::string_view line, Property& out) {
  out = Property{};
  const std::size_t colon = FindValueColon(line);
  if (colon == std::string_view::npos) return false;
  std::string_view head = line.substr(0, colon);
  out.value = line.substr(colon + 1);

  std::size_t semicolon = head.find(';');
  std::string_view name = head.substr(0, semicolon);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name.remove_prefix(dot + 1);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  if (name.empty()) return false;
  out.name = name;
  out.kind = KindOf(name);

  // Parameters, split at semicolons outside double quotes.
  while (semicolon != std::string_view::npos) {
    head.remove_prefix(semicolon + 1);
    bool quoted = false;
    semicolon = std::string_view::npos;
    for (std::size_t i = 0; i < head.size(); ++i) {
      if (head[i] == '"') quoted = !quoted;
      else if (head[i] == ';' && !quoted) {
        semicolon = i;
        break;
      }
    }
    ApplyParameter(head.substr(0, semicolon), out);
  }
  return true;
}

}  // namespace qzpam::vcard
