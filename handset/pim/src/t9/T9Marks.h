// Which characters of a suggestion to highlight: those of the name that the
// key matched through its reading, and those of the number that hold the
// key's digits.
#pragma once

#include <string_view>
#include <vector>

#include "t9/T9Match.h"

namespace qzpam {

// Positions in `name`. The name is walked as its reading was made: a
// leading two-character surname and every Chinese character give one
// syllable each, a run of letters and digits one word; the key's share of
// a word marks that many of its first characters.
std::vector<int> NameMarks(std::wstring_view name, const T9Match& match);

// Positions in `number` of the first run of its digits equal to `key`
// (formatting between them skipped); empty when there is none.
std::vector<int> NumberMarks(std::wstring_view number, std::string_view key);

}  // namespace qzpam
