#include "t9/T9Index.h"

#include <algorithm>

namespace qzpam {

T9Index::T9Index(const ContactSnapshot::Contacts& contacts) : contacts_(contacts) {
  starts_.reserve(contacts.size() + 1);
  for (const auto& contact : contacts) {
    starts_.push_back(static_cast<uint32_t>(digits_.size()));
    digits_ += KeypadDigits(contact->pinyin);
  }
  starts_.push_back(static_cast<uint32_t>(digits_.size()));
  calls_.assign(contacts.size(), 0);
}

size_t T9Index::bytes() const {
  return digits_.capacity() + starts_.capacity() * sizeof(uint32_t) + calls_.capacity() * sizeof(uint32_t);
}

void T9Index::SetCallCounts(const std::unordered_map<int, uint32_t>& calls) {
  for (size_t i = 0; i < contacts_.size(); ++i) {
    auto it = calls.find(contacts_[i]->id);
    calls_[i] = it == calls.end() ? 0 : it->second;
  }
}

std::string_view T9Index::Digits(size_t contact) const {
  return std::string_view(digits_).substr(starts_[contact], starts_[contact + 1] - starts_[contact]);
}

std::vector<T9Hit> T9Index::Match(std::string_view key) const {
  std::vector<T9Hit> hits;
  if (key.empty() || key.find_first_not_of("0123456789") != std::string_view::npos) return hits;
  const char first = key[0];
  for (size_t i = 0; i < size(); ++i) {
    const SnapshotContact& contact = *contacts_[i];
    T9Hit hit{static_cast<uint32_t>(i), -1, {}, calls_[i], false};
    std::string_view digits = Digits(i);
    if (digits.find(first) != std::string_view::npos) hit.name = MatchReading(digits, contact.syllableStarts, key);
    bool byNumber = false;
    for (size_t n = 0; n < contact.numbers.size(); ++n) {
      const std::string& number = contact.numbers[n].digits;
      if (number == key) {
        hit.exactNumber = true;
        hit.number = static_cast<int32_t>(n);
        byNumber = true;
        break;
      }
      if (!byNumber && number.find(key) != std::string::npos) {
        hit.number = static_cast<int32_t>(n);
        byNumber = true;
      }
    }
    // A contact found by name shows its primary number, unless the key is
    // exactly one of its numbers.
    if (hit.name.rank != T9Rank::None && !hit.exactNumber) hit.number = -1;
    if (byNumber || hit.name.rank != T9Rank::None) hits.push_back(std::move(hit));
  }
  auto order = [](const T9Hit& hit) {
    // Exact owners first, then names by rank, then numbers.
    int group = hit.exactNumber ? 0 : hit.name.rank != T9Rank::None ? 1 + static_cast<int>(hit.name.rank) : 10;
    return group;
  };
  std::stable_sort(hits.begin(), hits.end(), [&](const T9Hit& a, const T9Hit& b) {
    int ga = order(a), gb = order(b);
    if (ga != gb) return ga < gb;
    return a.calls > b.calls;
  });
  return hits;
}

}  // namespace qzpam
