// Pinyin to characters: the common characters (the first level of GB 2312,
// 3755 of them) indexed by their toneless pinyin, which ICU's Han to Latin
// transliteration supplies. Built once, on first use.
#pragma once

#include <string>

namespace qzfc {

// The characters read as `syllables` (lowercase letters, one syllable or the
// start of one), best first, at most `max` of them; empty when none.
std::wstring PinyinCandidates(const std::wstring& syllables, size_t max);

}  // namespace qzfc
