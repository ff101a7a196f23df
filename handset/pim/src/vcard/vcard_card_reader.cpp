#include "vcard/vcard_card_reader.h"

#include "vcard/vcard_card_builder.h"
#include "vcard/vcard_lines.h"
#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

bool IsKeyword(std::string_view value, std::string_view keyword) { return EqualsNoCase(TrimBlanks(value), keyword); }

}  // namespace

bool ReadFirstCard(std::string_view bytes, bool utf8_allowed, CContactInfo& contact) {
  LineReader lines(bytes);
  CardBuilder builder(utf8_allowed);
  // Nesting depth of BEGIN:VCARD; counted, never recursed into, so deep
  // nesting costs nothing.
  std::size_t depth = 0;
  std::string_view line;
  Property p;
  while (lines.Next(line)) {
    if (!ParseProperty(line, p)) continue;
    if (p.kind == Kind::kBegin || (p.kind == Kind::kAgent && IsKeyword(p.value, "BEGIN:VCARD"))) {
      if (p.kind == Kind::kAgent || IsKeyword(p.value, "VCARD")) ++depth;
      continue;
    }
    if (depth == 0) continue;
    if (p.kind == Kind::kEnd && IsKeyword(p.value, "VCARD")) {
      if (--depth == 0) {
        builder.Finish(contact);
        return true;
      }
      continue;
    }
    if (depth > 1) continue;
    if (p.kind == Kind::kVersion) {
      builder.SetVersion(p.value);
      lines.SetFoldKeepsWhitespace(builder.FoldKeepsWhitespace());
      continue;
    }
    builder.Apply(p);
  }
  return false;
}

}  // namespace qzpam::vcard
