#include "t9/T9Match.h"

#include <array>
#include <bit>

namespace qzpam {
namespace {

// Key positions as bits: bit p set when key[0, p) has been taken.
using Positions = uint64_t;

// The positions reached before each syllable of a match, from its first on.
struct Reached {
  std::array<Positions, kMaxSyllables + 1> before;
  size_t count = 0;

  Positions last() const { return before[count - 1]; }
};

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
bool MatchFrom(const Syllables& syllables, std::string_view key, size_t first, size_t& last, Reached& reached) {
  reached.before[0] = Positions{1};
  reached.count = 1;
  bool found = false;
  for (size_t i = first; i < syllables.starts.size() && reached.last(); ++i) {
    std::string_view syllable = syllables.At(i);
    for (Positions rest = reached.last(); rest; rest &= rest - 1) {
      if (EndsIn(syllable, key, static_cast<size_t>(std::countr_zero(rest)))) {
        found = true;
        last = i;
        break;
      }
    }
    reached.before[reached.count] = Advance(syllable, key, reached.last());
    ++reached.count;
  }
  return found;
}

// How much of each syllable first..last the key took, read back from the
// positions reached: the last syllable takes what remains.
std::vector<uint8_t> PathBack(const Syllables& syllables, std::string_view key, size_t first, size_t last,
                              const Reached& reached) {
  size_t count = last - first + 1;
  std::vector<uint8_t> taken(count, 0);
  // The position before the last syllable from which the rest ends in it.
  size_t at = 0;
  for (Positions rest = reached.before[count - 1]; rest; rest &= rest - 1) {
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
    if (at >= 1 && (reached.before[i] >> (at - 1) & 1) && syllable[0] == key[at - 1]) {
      taken[i] = 1;
      at -= 1;
    } else {
      taken[i] = static_cast<uint8_t>(whole);
      at -= whole;
    }
  }
  return taken;
}

// Where the best match starts (`first`) and ends (`last`), with the positions
// reached on the way; false when the key matches nowhere.
bool FindMatch(const Syllables& syllables, std::string_view key, size_t& first, size_t& last, Reached& reached) {
  if (key.empty() || key.size() > kMaxKey || key.size() > syllables.digits.size() || syllables.starts.empty() ||
      syllables.starts.size() > kMaxSyllables)
    return false;
  for (first = 0; first < syllables.starts.size(); ++first) {
    std::string_view syllable = syllables.At(first);
    if (!syllable.empty() && syllable[0] == key[0] && MatchFrom(syllables, key, first, last, reached)) return true;
  }
  return false;
}

T9Rank RankOf(size_t first, size_t last, size_t syllables, size_t keySize) {
  if (first > 0) return T9Rank::Inside;
  if (last + 1 < syllables) return T9Rank::Prefix;
  return keySize == syllables ? T9Rank::Initials : T9Rank::WholeName;
}

}  // namespace

std::string KeypadDigits(std::string_view reading) {
  std::string digits(reading.size(), '\0');
  for (size_t i = 0; i < reading.size(); ++i) digits[i] = KeypadDigit(reading[i]);
  return digits;
}

T9Match MatchReading(std::string_view digits, const std::vector<uint16_t>& starts, std::string_view key) {
  T9Match match;
  Syllables syllables{digits, starts};
  size_t first = 0;
  size_t last = 0;
  Reached reached;
  if (!FindMatch(syllables, key, first, last, reached)) return match;
  match.rank = RankOf(first, last, starts.size(), key.size());
  match.firstSyllable = static_cast<uint16_t>(first);
  match.taken = PathBack(syllables, key, first, last, reached);
  return match;
}

T9Rank RankReading(std::string_view digits, const std::vector<uint16_t>& starts, std::string_view key) {
  size_t first = 0;
  size_t last = 0;
  Reached reached;
  if (!FindMatch(Syllables{digits, starts}, key, first, last, reached)) return T9Rank::None;
  return RankOf(first, last, starts.size(), key.size());
}

}  // namespace qzpam
