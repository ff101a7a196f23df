#include "contacts/FuzzyIndex.h"

#include <string.h>

#include <algorithm>

namespace qzpam {
namespace {

// std::string_view::find stops at every occurrence of the key's first
// character, which in strings of digits is nearly everywhere (every mobile
// number begins with 1); glibc's memmem does not.
size_t FindDigits(std::string_view text, std::string_view part, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  const void* found = memmem(text.data() + from, text.size() - from, part.data(), part.size());
  return found ? static_cast<size_t>(static_cast<const char*>(found) - text.data()) : std::string_view::npos;
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
    digitStarts_.push_back(static_cast<uint32_t>(digits_.size()));
    for (const SnapshotNumber& number : contact.numbers) {
      digits_ += number.digits;
      digits_ += '\0';
    }
  }
}

size_t FuzzyIndex::Owner(const std::vector<uint32_t>& starts, size_t from, size_t at) {
  // Hits are found in order, so a walk from the searched contact on costs
  // no more over a whole search than the string search itself.
  size_t owner = from;
  while (owner + 1 < starts.size() && starts[owner + 1] <= at) ++owner;
  return owner;
}

size_t FuzzyIndex::NextByName(std::wstring_view key, size_t from) const {
  if (from >= size()) return size();
  size_t at = std::wstring_view(names_).find(key, nameStarts_[from]);
  return at == std::wstring_view::npos ? size() : Owner(nameStarts_, from, at);
}

size_t FuzzyIndex::NextByInitials(std::string_view letters, size_t from) const {
  if (from >= size()) return size();
  size_t at = std::string_view(initials_).find(letters, initialStarts_[from]);
  return at == std::string_view::npos ? size() : Owner(initialStarts_, from, at);
}

size_t FuzzyIndex::NextByReading(std::string_view letters, size_t from) const {
  if (from >= size()) return size();
  std::string_view readings(readings_);
  for (size_t at = readings.find(letters, readingStarts_[from]); at != std::string_view::npos;
       at = readings.find(letters, at + 1))
    if (syllableStarts_[at]) return Owner(readingStarts_, from, at);
  return size();
}

size_t FuzzyIndex::NextByDigits(std::string_view digits, size_t from, int* number) const {
  if (from >= size()) return size();
  size_t at = FindDigits(digits_, digits, digitStarts_[from]);
  if (at == std::string_view::npos) return size();
  size_t owner = Owner(digitStarts_, from, at);
  // Which of the owner's numbers: count the zeros that close the ones before.
  *number = static_cast<int>(std::count(digits_.begin() + digitStarts_[owner], digits_.begin() + static_cast<long>(at), '\0'));
  return owner;
}

}  // namespace qzpam
