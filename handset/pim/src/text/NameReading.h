// How a contact's name is read for sorting, the index letter and search.
//
// Chinese characters are read in pinyin (ICU's Han-Latin transliteration,
// tones removed). A name is read as a name: when it begins with a Chinese
// character, that character is the surname, and surnames with several
// readings take their reading as a surname (曾 zeng, 单 shan, 解 xie, ...).
// Two-character surnames (欧阳, 司马, 长孙 zhang sun, 万俟 mo qi, ...) are
// read as surnames when a name begins with them.
// Latin letters are folded to lower-case ASCII ("Émile" reads "emile").
//
// The index letter is the upper-cased first letter of the reading, or "#"
// when the name is empty or begins with anything else (digits, symbols).
// The sort key is an ICU collation key (locale zh) of the reading followed by
// one of the name itself, so names sort by their reading, Chinese and Latin
// names interleaved, and names that read alike in a fixed order.
#pragma once

#include <string>
#include <string_view>

namespace qzpam {

struct NameReading {
  std::string reading;   // syllables and words, one space apart: "zhang san"
  std::string initials;  // first letter of each syllable or word: "zs"
  std::string sortKey;   // bytes to compare with memcmp; rows with letter "#" sort after all others
  wchar_t letter = L'#';

  static NameReading Of(std::wstring_view name);
};

}  // namespace qzpam
