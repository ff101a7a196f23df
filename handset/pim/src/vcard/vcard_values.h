// Structured vCard values: components, escapes and dates.
#pragma once

#include <string_view>
#include <vector>

#include "qzpam/qzu_string.h"

namespace qzpam::vcard {

// How backslash escapes are read. vCard 2.1 only escapes the component
// separator; in a 2.1 group list (CATEGORIES) our cards also escape commas
// and backslashes. 3.0 and 4.0 also escape commas, backslashes and line
// breaks everywhere.
enum class Escapes { kVersion21, kVersion21List, kFull };

// Resolves the escapes of one text value.
qzu::string Unescape(const qzu::string& text, Escapes escapes);
qzu::string UnescapeView(std::wstring_view text, Escapes escapes);

// Splits at any of the separators where it is not escaped, then resolves
// escapes in each component. Components after the first `max_parts` are
// dropped, so a value of nothing but separators costs no more than that.
std::vector<qzu::string> SplitComponents(const qzu::string& text, std::wstring_view separators, Escapes escapes,
                                         std::size_t max_parts);

// Splits a structured value (N) into its components, as SplitComponents
// with ";"; in 3.0 and 4.0 the comma-separated values of one component
// (several additional names) are joined with a space.
std::vector<qzu::string> SplitJoinedComponents(const qzu::string& text, Escapes escapes, std::size_t max_parts);

// "yyyymmdd" from "yyyymmdd", "yyyy-mm-dd" or either followed by a time;
// empty when the text holds no plausible full date.
qzu::string NormalizeBirthday(const qzu::string& text);

}  // namespace qzpam::vcard
