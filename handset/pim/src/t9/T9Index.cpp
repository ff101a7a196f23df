#include "t9/T9Index.h"

#include <algorithm>

namespace qzpam {

T9Index::T9Index(const ContactSnapshot::Contacts& contacts) : contacts_(contacts) {
  starts_.reserve(contacts.size() + 1);
  contactNumbers_.reserve(contacts.size() + 1);
  for (const auto& contact : contacts) {
    starts_.push_back(static_cast<uint32_t>(digits_.size()));
    syllableStarts_.resize(digits_.size() + contact->pinyin.size(), false);
    for (uint16_t start : contact->syllableStarts) syllableStarts_[digits_.size() + start] = true;
    digits_ += KeypadDigits(contact->pinyin);
    uint16_t initials = 0;
    for (uint16_t start : contact->syllableStarts) {
      char digit = start < contact->pinyin.size() ? KeypadDigit(contact->pinyin[start]) : 0;
      if (digit) initials = static_cast<uint16_t>(initials | 1u << (digit - '0'));
    }
    initialDigits_.push_back(initials);
    contactNumbers_.push_back(static_cast<uint32_t>(digitSets_.size()));
    for (const SnapshotNumber& number : contact->numbers) {
      numberStarts_.push_back(static_cast<uint32_t>(numberDigits_.size()));
      numberDigits_ += number.digits;
      digitSets_.emplace_back(number.digits);
    }
  }
  starts_.push_back(static_cast<uint32_t>(digits_.size()));
  numberStarts_.push_back(static_cast<uint32_t>(numberDigits_.size()));
  contactNumbers_.push_back(static_cast<uint32_t>(digitSets_.size()));
  calls_.assign(contacts.size(), 0);
}

size_t T9Index::bytes() const {
  return digits_.capacity() + syllableStarts_.capacity() / 8 + initialDigits_.capacity() * sizeof(uint16_t) +
         (starts_.capacity() + numberStarts_.capacity() + contactNumbers_.capacity() + calls_.capacity()) *
             sizeof(uint32_t) +
         numberDigits_.capacity() + digitSets_.capacity() * sizeof(DigitSet);
}

void T9Index::SetCallCounts(const std::unordered_map<int, uint32_t>& calls) {
  for (size_t i = 0; i < contacts_.size(); ++i) {
    auto it = calls.find(contacts_[i]->id);
    calls_[i] = it == calls.end() ? 0 : it->second;
  }
}

T9Rank T9Index::NameRank(size_t contact, std::string_view key, std::vector<uint16_t>& starts) const {
  // Only a reading with a syllable starting on the key's first digit can match.
  if (!(initialDigits_[contact] >> (key[0] - '0') & 1)) return T9Rank::None;
  starts.clear();
  for (uint32_t at = starts_[contact]; at < starts_[contact + 1]; ++at)
    if (syllableStarts_[at]) starts.push_back(static_cast<uint16_t>(at - starts_[contact]));
  std::string_view digits = std::string_view(digits_).substr(starts_[contact], starts_[contact + 1] - starts_[contact]);
  return MatchReading(digits, starts, key).rank;
}

T9Match T9Index::MatchName(size_t contact, std::string_view key) const {
  const SnapshotContact& named = *contacts_[contact];
  std::string_view digits = std::string_view(digits_).substr(starts_[contact], starts_[contact + 1] - starts_[contact]);
  return MatchReading(digits, named.syllableStarts, key);
}

int32_t T9Index::NumberHolding(size_t contact, std::string_view key, const DigitSet& wanted, bool& exact) const {
  int32_t holding = -1;
  exact = false;
  std::string_view all(numberDigits_);
  for (uint32_t number = contactNumbers_[contact]; number < contactNumbers_[contact + 1]; ++number) {
    if (!digitSets_[number].Holds(wanted)) continue;
    std::string_view digits = all.substr(numberStarts_[number], numberStarts_[number + 1] - numberStarts_[number]);
    int32_t which = static_cast<int32_t>(number - contactNumbers_[contact]);
    if (digits == key) {
      exact = true;
      return which;
    }
    if (holding < 0 && (key.size() <= 2 || digits.find(key) != std::string_view::npos)) holding = which;
  }
  return holding;
}

std::vector<T9Hit> T9Index::Match(std::string_view key) const {
  std::vector<T9Hit> exact;
  std::vector<T9Hit> byName;
  std::vector<T9Hit> byNumber;
  if (key.empty() || key.find_first_not_of("0123456789") != std::string_view::npos) return {};
  const DigitSet wanted(key);
  std::vector<uint16_t> starts;
  for (size_t i = 0; i < size(); ++i) {
    bool isExact = false;
    int32_t number = NumberHolding(i, key, wanted, isExact);
    T9Rank rank = NameRank(i, key, starts);
    T9Hit hit{static_cast<uint32_t>(i), number, calls_[i], rank, isExact};
    // A contact found by name shows its primary number, unless the key is
    // exactly one of its numbers.
    if (isExact) {
      exact.push_back(hit);
    } else if (rank != T9Rank::None) {
      hit.number = -1;
      byName.push_back(hit);
    } else if (number >= 0) {
      byNumber.push_back(hit);
    }
  }
  std::stable_sort(byName.begin(), byName.end(), [](const T9Hit& a, const T9Hit& b) {
    if (a.rank != b.rank) return a.rank < b.rank;
    return a.calls > b.calls;
  });
  exact.insert(exact.end(), byName.begin(), byName.end());
  exact.insert(exact.end(), byNumber.begin(), byNumber.end());
  return exact;
}

}  // namespace qzpam
