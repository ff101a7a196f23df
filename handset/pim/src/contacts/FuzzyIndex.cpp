#include "contacts/FuzzyIndex.h"

#include <algorithm>
#include <iterator>

namespace qzpam {
namespace {

constexpr size_t kNone = std::string_view::npos;

// The entries of a packed string (entry starts `starts`) that hold a hit
// of `find(from)`, the first hit at or after `from`. After a hit the search
// goes on at the next entry.
template <typename Find>
std::vector<uint32_t> OwnersOfHits(const std::vector<uint32_t>& starts, Find&& find) {
  std::vector<uint32_t> owners;
  size_t owner = 0;
  for (size_t at = find(0); at != kNone;) {
    while (owner + 1 < starts.size() && starts[owner + 1] <= at) ++owner;
    owners.push_back(static_cast<uint32_t>(owner));
    if (++owner >= starts.size()) break;
    at = find(starts[owner]);
  }
  return owners;
}

}  // namespace

FuzzyIndex::FuzzyIndex(const ContactSnapshot::Contacts& contacts) : texts_(contacts) {
  for (const auto& shared : contacts) {
    const SnapshotContact& contact = *shared;
    nameStarts_.push_back(static_cast<uint32_t>(names_.size()));
    names_ += contact.foldedName;
    names_ += L'\0';
    initialStarts_.push_back(static_cast<uint32_t>(initials_.size()));
    initials_ += contact.initials;
    initials_ += '\0';
    readingStarts_.push_back(static_cast<uint32_t>(readings_.size()));
    syllableStarts_.resize(readings_.size() + contact.pinyin.size() + 1, false);
    for (uint16_t start : contact.syllableStarts) syllableStarts_[readings_.size() + start] = true;
    readings_ += contact.pinyin;
    readings_ += '\0';
    numberStarts_.push_back(static_cast<uint32_t>(digitSets_.size()));
    for (const SnapshotNumber& number : contact.numbers) {
      digitStarts_.push_back(static_cast<uint32_t>(digits_.size()));
      digits_ += number.digits;
      digitSets_.emplace_back(number.digits);
    }
  }
  digitStarts_.push_back(static_cast<uint32_t>(digits_.size()));
  numberStarts_.push_back(static_cast<uint32_t>(digitSets_.size()));
}

void FuzzyIndex::Match(const FuzzyKey& key, std::vector<FuzzyHit>& hits) const {
  hits.clear();
  if (key.folded().empty()) {
    hits.reserve(size());
    for (size_t contact = 0; contact < size(); ++contact) hits.push_back({static_cast<uint32_t>(contact), -1});
    return;
  }
  std::vector<uint32_t> byText = ByName(key.folded());
  if (!key.letters().empty()) {
    for (const auto& more : {ByInitials(key.letters()), ByReading(key.letters())}) {
      std::vector<uint32_t> both;
      std::set_union(byText.begin(), byText.end(), more.begin(), more.end(), std::back_inserter(both));
      byText.swap(both);
    }
  }
  std::vector<FuzzyHit> byDigits = key.digits().empty() ? std::vector<FuzzyHit>() : ByDigits(key.digits());
  if (byText.empty()) {
    hits.swap(byDigits);
    return;
  }
  // A contact found both ways shows its primary number.
  hits.reserve(byText.size() + byDigits.size());
  auto digit = byDigits.begin();
  for (uint32_t contact : byText) {
    for (; digit != byDigits.end() && digit->contact < contact; ++digit) hits.push_back(*digit);
    if (digit != byDigits.end() && digit->contact == contact) ++digit;
    hits.push_back({contact, -1});
  }
  hits.insert(hits.end(), digit, byDigits.end());
}

std::vector<uint32_t> FuzzyIndex::ByName(std::wstring_view key) const {
  std::wstring_view names(names_);
  return OwnersOfHits(nameStarts_, [&](size_t from) { return names.find(key, from); });
}

std::vector<uint32_t> FuzzyIndex::ByInitials(std::string_view letters) const {
  std::string_view initials(initials_);
  return OwnersOfHits(initialStarts_, [&](size_t from) { return initials.find(letters, from); });
}

std::vector<uint32_t> FuzzyIndex::ByReading(std::string_view letters) const {
  std::string_view readings(readings_);
  return OwnersOfHits(readingStarts_, [&](size_t from) {
    size_t at = readings.find(letters, from);
    while (at != kNone && !syllableStarts_[at]) at = readings.find(letters, at + 1);
    return at;
  });
}

std::vector<FuzzyHit> FuzzyIndex::ByDigits(std::string_view key) const {
  std::vector<FuzzyHit> found;
  found.reserve(size());  // a short key matches nearly every contact; untouched room costs nothing
  const DigitSet wanted(key);
  for (size_t contact = 0; contact < size(); ++contact) {
    int32_t number = NumberHolding(contact, key, wanted);
    if (number >= 0) found.push_back({static_cast<uint32_t>(contact), number});
  }
  return found;
}

std::string_view FuzzyIndex::Reading(size_t contact) const {
  size_t end = contact + 1 < readingStarts_.size() ? readingStarts_[contact + 1] : readings_.size();
  return std::string_view(readings_).substr(readingStarts_[contact], end - 1 - readingStarts_[contact]);
}

int32_t FuzzyIndex::NumberHolding(size_t contact, std::string_view digits, const DigitSet& wanted) const {
  std::string_view all(digits_);
  for (uint32_t number = numberStarts_[contact]; number < numberStarts_[contact + 1]; ++number) {
    if (!digitSets_[number].Holds(wanted)) continue;
    // For one or two digits the DigitSet's answer is exact.
    if (digits.size() > 2 &&
        all.substr(digitStarts_[number], digitStarts_[number + 1] - digitStarts_[number]).find(digits) == kNone)
      continue;
    return static_cast<int32_t>(number - numberStarts_[contact]);
  }
  return -1;
}

std::vector<FuzzyHit> FuzzyIndex::NumbersEqualTo(std::string_view digits) const {
  std::vector<FuzzyHit> found;
  const DigitSet wanted(digits);
  std::string_view all(digits_);
  size_t contact = 0;
  for (uint32_t number = 0; number + 1 < digitStarts_.size(); ++number) {
    if (digitStarts_[number + 1] - digitStarts_[number] != digits.size() || !digitSets_[number].Holds(wanted) ||
        all.substr(digitStarts_[number], digits.size()) != digits)
      continue;
    while (numberStarts_[contact + 1] <= number) ++contact;
    if (found.empty() || found.back().contact != contact)
      found.push_back({static_cast<uint32_t>(contact), static_cast<int32_t>(number - numberStarts_[contact])});
  }
  return found;
}

}  // namespace qzpam
