#include "t9/T9Index.h"

namespace qzpam {
namespace {

// Every digit and pair a key can hold when it runs through the syllables,
// each taken whole or by its initial (see T9Match.h).
DigitSet NameDigits(const T9Reading& reading) {
  DigitSet set;
  if (reading.starts.empty() || reading.starts.size() > kMaxSyllables) return set;
  auto add = [&](char first, char second) {
    if (first && second) set.AddPair(first, second);
  };
  for (size_t i = 0; i < reading.starts.size(); ++i) {
    size_t from = reading.starts[i];
    size_t to = i + 1 < reading.starts.size() ? reading.starts[i + 1] : reading.digits.size();
    if (from >= to) continue;
    if (reading.digits[from]) set.AddDigit(reading.digits[from]);
    for (size_t at = from + 1; at < to; ++at) add(reading.digits[at - 1], reading.digits[at]);
    if (to < reading.digits.size()) {
      add(reading.digits[from], reading.digits[to]);
      add(reading.digits[to - 1], reading.digits[to]);
    }
  }
  return set;
}

}  // namespace

T9Index::Head T9Index::HeadOf(const T9Reading& reading) {
  Head head;
  const std::vector<uint16_t>& starts = reading.starts;
  if (starts.empty() || starts.size() > kMaxSyllables) return head;
  auto at = [&](size_t i) { return i < reading.digits.size() ? reading.digits[i] : '\0'; };
  size_t secondStart = starts.size() > 1 ? starts[1] : reading.digits.size();
  head.first = starts[0] < secondStart ? at(starts[0]) : '\0';
  head.second = size_t{starts[0]} + 1 < secondStart ? at(size_t{starts[0]} + 1) : '\0';
  head.next = starts.size() > 1 ? at(starts[1]) : '\0';
  head.syllables = static_cast<uint8_t>(starts.size());
  return head;
}

T9Key::T9Key(std::string typed) {
  if (typed.empty() || typed.find_first_not_of("0123456789") != std::string::npos) return;
  digits = std::move(typed);
  inNumber = DigitSet(digits);
  inName.AddDigit(digits[0]);
  for (size_t i = 1; i < digits.size(); ++i) inName.AddPair(digits[i - 1], digits[i]);
}

T9Index::T9Index(std::shared_ptr<const FuzzyIndex> fuzzy) : fuzzy_(std::move(fuzzy)) {
  nameDigits_.reserve(fuzzy_->size());
  heads_.reserve(fuzzy_->size());
  T9Reading reading;
  for (size_t contact = 0; contact < fuzzy_->size(); ++contact) {
    Read(contact, reading);
    nameDigits_.push_back(NameDigits(reading));
    heads_.push_back(HeadOf(reading));
  }
  calls_.assign(fuzzy_->size(), 0);
}

size_t T9Index::bytes() const {
  return nameDigits_.capacity() * sizeof(DigitSet) + heads_.capacity() * sizeof(Head) +
         calls_.capacity() * sizeof(uint32_t);
}

void T9Index::SetCallCounts(const std::unordered_map<int, uint32_t>& calls) {
  for (size_t i = 0; i < size(); ++i) {
    auto it = calls.find(fuzzy_->texts().id(i));
    calls_[i] = it == calls.end() ? 0 : it->second;
  }
}

void T9Index::Read(size_t contact, T9Reading& reading) const {
  std::string_view letters = fuzzy_->Reading(contact);
  auto syllableStarts = fuzzy_->SyllableStarts(contact);
  reading.starts.clear();
  for (size_t i = 0; i < letters.size(); ++i, ++syllableStarts)
    if (*syllableStarts) reading.starts.push_back(static_cast<uint16_t>(i));
  reading.digits.resize(letters.size());
  char* digits = reading.digits.data();
  for (size_t i = 0; i < letters.size(); ++i) digits[i] = KeypadDigit(letters[i]);
}

bool T9Index::MayMatchFromStart(size_t contact, const T9Key& key) const {
  // From the first syllable a key takes its initial, then goes on in that
  // syllable or at the next one's initial.
  const Head& head = heads_[contact];
  return head.first == key.digits[0] &&
         (key.digits.size() == 1 || key.digits[1] == head.second || key.digits[1] == head.next);
}

T9Rank T9Index::NameRank(size_t contact, const T9Key& key, T9Reading& reading) const {
  if (!MayMatchName(contact, key)) return T9Rank::None;
  if (key.digits.size() == 1) {
    // The key is a syllable's initial: the first one's, or a later one's.
    if (heads_[contact].first != key.digits[0]) return T9Rank::Inside;
    return heads_[contact].syllables == 1 ? T9Rank::Initials : T9Rank::Prefix;
  }
  Read(contact, reading);
  return RankReading(reading.digits, reading.starts, key.digits);
}

T9Match T9Index::MatchName(size_t contact, std::string_view key) const {
  T9Reading reading;
  Read(contact, reading);
  return MatchReading(reading.digits, reading.starts, key);
}

}  // namespace qzpam
