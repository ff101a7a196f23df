// How a name's reading matches keypad digits (2 abc, 3 def, ... 9 wxyz).
//
// The reading is cut into syllables (Chinese) and words (Latin). A key
// matches when it runs through consecutive syllables, taking each one whole
// or by its initial, and ends anywhere inside the last one it reaches
// ("zhangw", "zwei", "zw", "zhan" for zhang wei). It may begin at any
// syllable; a match from the first one ranks higher.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qzpam {

// Better matches have lower ranks.
enum class T9Rank : uint8_t {
  Initials = 0,    // the initial of every syllable, nothing more
  WholeName = 1,   // from the first syllable to the last
  Prefix = 2,      // from the first syllable, stopping before the last
  Inside = 3,      // from a later syllable on
  None = 255,
};

struct T9Match {
  T9Rank rank = T9Rank::None;
  uint16_t firstSyllable = 0;
  // How many characters of each syllable from firstSyllable on the key took.
  std::vector<uint8_t> taken;
};

// Longer keys and readings of more syllables match nothing.
constexpr size_t kMaxKey = 63;
constexpr size_t kMaxSyllables = 255;

// The keypad digit of a reading character ('a'-'z', '0'-'9'); 0 otherwise.
inline char KeypadDigit(char c) {
  constexpr char kLetters[] = "22233344455566677778889999";
  if (c >= 'a' && c <= 'z') return kLetters[c - 'a'];
  if (c >= '0' && c <= '9') return c;
  return 0;
}

// The reading turned into keypad digits, character by character.
std::string KeypadDigits(std::string_view reading);

// The best match of `key` (digits) in a reading given as keypad digits, cut
// at `starts` (where each syllable begins, ascending, first at 0).
T9Match MatchReading(std::string_view digits, const std::vector<uint16_t>& starts, std::string_view key);
// The rank alone of that match, without reading its path back.
T9Rank RankReading(std::string_view digits, const std::vector<uint16_t>& starts, std::string_view key);

}  // namespace qzpam
