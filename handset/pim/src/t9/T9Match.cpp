#include "t9/T9Match.h"

#include <bit>

namespace qzpam {
namespace {

constexpr size_t kMaxKey = 63;
constexpr size_t kMaxSyllables = 255;

// Key positions as bits: bit p set when key[0, p) has been taken.
using Positions = uint64_t;

struct Syllables {
  std::string_view digits;
  const std::vector<uint16_t>& starts;

  std::string_view At(size_t i) const {
    size_t from = starts[i];
    size_t to = i + 1 < starts.size() ? starts[i + 1] : digits.size();
    return digits.substr(from, to > from ? to - from : 0);
  }
};

// Whether key[at, end) is a non-empty prefix of `syllable`.
bool EndsIn(std::string_view syllable, std::string_view key, size_t at) {
  size_t rest = key.size() - at;
  return rest > 0 && rest <= syllable.size() && syllable.substr(0, rest) == key.substr(at);
}

// The key positions after taking `syllable` whole or by its initial from
// any position of `from`.
Positions Advance(std::string_view syllable, std::string_view key, Positions from) {
  Positions to = 0;
  for (Positions rest = from; rest; rest &= rest - 1) {
    size_t at = static_cast<size_t>(std::countr_zero(rest));
    if (at >= key.size() || syllable.empty() || syllable[0] != key[at]) continue;
    to |= Positions{1} << (at + 1);
    if (syllable.size() > 1 && key.substr(at, syllable.size()) == syllable) to |= Positions{1} << (at + syllable.size());
  }
  return to;
}

// From syllable `first` on: the furthest syllable where the key can end, and
// the positions reached before each syllable (for reading the path back).
bool MatchFrom(const Syllables& syllables, std::string_view key, size_t first, size_t& last,
               std::vector<Positions>& reached) {
  reached.assign(1, Positions{1});
  bool found = false;
  for (size_t i = first; i < syllables.starts.size() && reached.back(); ++i) {
    std::string_view syllable = syllables.At(i);
    for (Positions rest = reached.back(); rest; rest &= rest - 1) {
      if (EndsIn(syllable, key, static_cast<size_t>(std::countr_zero(rest)))) {
        found = true;
        last = i;
        break;
      }
    }
    reached.push_back(Advance(syllable, key, reached.back()));
  }
  return found;
}

// How much of each syllable first..last the key took, read back from the
// positions reached: the last syllable takes what remains.
std::vector<uint8_t> PathBack(const Syllables& syllables, std::string_view key, size_t first, size_t last,
                              const std::vector<Positions>& reached) {
  size_t count = last - first + 1;
  std::vector<uint8_t> taken(count, 0);
  // The position before the last syllable from which the rest ends in it.
  size_t at = 0;
  for (Positions rest = reached[count - 1]; rest; rest &= rest - 1) {
    size_t p = static_cast<size_t>(std::countr_zero(rest));
    if (EndsIn(syllables.At(last), key, p)) {
      at = p;
      break;
    }
  }
  taken[count - 1] = static_cast<uint8_t>(key.size() - at);
  for (size_t i = count - 1; i-- > 0;) {
    std::string_view syllable = syllables.At(first + i);
    size_t whole = syllable.size();
    // Prefer the initial, then the whole syllable, whichever path exists.
    if (at >= 1 && (reached[i] >> (at - 1) & 1) && syllable[0] == key[at - 1]) {
      taken[i] = 1;
      at -= 1;
    } else {
      taken[i] = static_cast<uint8_t>(whole);
      at -= whole;
    }
  }
  return taken;
}

}  // namespace

char KeypadDigit(char c) {
  static constexpr char kLetters[] = "22233344455566677778889999";
  if (c >= 'a' && c <= 'z') return kLetters[c - 'a'];
  if (c >= '0' && c <= '9') return c;
  return 0;
}

std::string KeypadDigits(std::string_view reading) {
  std::string digits(reading.size(), '\0');
  for (size_t i = 0; i < reading.size(); ++i) digits[i] = KeypadDigit(reading[i]);
  return digits;
}

T9Match MatchReading(std::string_view digits, const std::vector<uint16_t>& starts, std::string_view key) {
  T9Match match;
  if (key.empty() || key.size() > kMaxKey || key.size() > digits.size() || starts.empty() ||
      starts.size() > kMaxSyllables)
    return match;
  Syllables syllables{digits, starts};
  thread_local std::vector<Positions> reached;  // kept between calls: a search runs this per contact
  for (size_t first = 0; first < starts.size(); ++first) {
    if (syllables.At(first).empty() || syllables.At(first)[0] != key[0]) continue;
    size_t last = 0;
    if (!MatchFrom(syllables, key, first, last, reached)) continue;
    match.firstSyllable = static_cast<uint16_t>(first);
    match.taken = PathBack(syllables, key, first, last, reached);
    if (first > 0) {
      match.rank = T9Rank::Inside;
    } else if (last + 1 < starts.size()) {
      match.rank = T9Rank::Prefix;
    } else {
      match.rank = key.size() == starts.size() ? T9Rank::Initials : T9Rank::WholeName;
    }
    return match;
  }
  return match;
}

}  // namespace qzpam
