// One logical vCard line taken apart: [group.]NAME;param;param:value.
#pragma once

#include <string_view>

namespace qzpam::vcard {

// TYPE values (and the bare parameters of vCard 2.1) that decide type codes.
enum TypeFlag : unsigned {
  kTypeHome = 1u << 0,  // HOME, PRIVATE, PERSONAL
  kTypeWork = 1u << 1,
  kTypeCell = 1u << 2,  // CELL, MOBILE, IPHONE
  kTypeFax = 1u << 3,
  kTypePref = 1u << 4,  // PREF, PREF=n
};

enum class Encoding { kNone, kQuotedPrintable, kBase64 };

// The property names the decoder acts on.
enum class Kind {
  kOther, kBegin, kEnd, kVersion, kAgent, kN, kFn, kOrg, kTel, kEmail, kUrl, kQq, kMsn, kAdr, kBday, kNote,
  kCategories, kPhoto, kRingTone,
};

struct Property {
  Kind kind = Kind::kOther;
  std::string_view name;     // without its group
  std::string_view value;    // raw, still encoded
  std::string_view charset;  // CHARSET parameter; empty when absent
  Encoding encoding = Encoding::kNone;
  unsigned types = 0;  // TypeFlag bits
};

// Position of the colon that ends the name and parameters (a colon inside a
// double-quoted parameter value does not count), or npos.
std::size_t FindValueColon(std::string_view line);

// Case-insensitive comparison of ASCII keywords.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view text, std::string_view what);
// Without the spaces and tabs at either end.
std::string_view TrimBlanks(std::string_view text);
std::wstring_view TrimBlanks(std::wstring_view text);

// False for a line without a colon or without a name.
bool ParseProperty(std::string_view line, Property& out);

}  // namespace qzpam::vcard
