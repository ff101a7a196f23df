// Structured vCard values: components, escapes and dates.
#pragma once

#include <string_view>
#include <vector>

#include "qzpam/qzu_string.h"

namespace qzpam::vcard {

// How backslash escapes are read. vCard 2.1 only escapes the component
// separator; 3.0 and 4.0 also escape commas, backslashes and line breaks.
enum class Escapes { kVersion21, kFull };

// Resolves the escapes of one text value.
qzu::string Unescape(const qzu::string& text, Escapes escapes);
qzu::string UnescapeView(std::wstring_view text, Escapes escapes);

// Splits at the separator where it is not escaped, then resolves escapes in
// each component.
std::vector<qzu::string> SplitComponents(const qzu::string& text, wchar_t separator, Escapes escapes);

// "yyyymmdd" from "yyyymmdd", "yyyy-mm-dd" or either followed by a time;
// empty when the text holds no plausible full date.
qzu::string NormalizeBirthday(const qzu::string& text);

}  // namespace qzpam::vcard
