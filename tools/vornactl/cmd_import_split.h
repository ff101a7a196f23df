// Cutting the text of a .vcf file into its cards, for `vornactl import`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornactl {

// The cards of a file, each from its BEGIN:VCARD line to the END:VCARD line
// that closes it (cards nested in AGENT properties stay inside theirs). A
// file in UTF-16 behind a byte-order mark is first turned into UTF-8, so
// `storage` may hold the text the cards point into.
std::vector<std::string_view> SplitVcards(std::string_view file, std::string& storage);

}  // namespace vornactl
