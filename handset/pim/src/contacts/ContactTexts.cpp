#include "contacts/ContactTexts.h"

#include <algorithm>

namespace qzpam {

ContactTexts::ContactTexts(const ContactSnapshot::Contacts& contacts) {
  rows_.reserve(contacts.size());
  for (const auto& shared : contacts) {
    const SnapshotContact& contact = *shared;
    Row row{contact.id, Append(contact.name), static_cast<uint32_t>(numbers_.size()), 0};
    // The primary number is nearly always one of the numbers: keep it once.
    row.primary = static_cast<uint32_t>(numbers_.size() + contact.numbers.size());
    for (const SnapshotNumber& number : contact.numbers) {
      if (number.value == contact.detail && number.type == contact.detailType)
        row.primary = std::min(row.primary, static_cast<uint32_t>(numbers_.size()));
      numbers_.push_back({Append(number.value), number.type});
    }
    if (row.primary == numbers_.size()) numbers_.push_back({Append(contact.detail), contact.detailType});
    rows_.push_back(row);
  }
}

void ContactTexts::CopyRow(size_t contact, int number, int& id, qzu::string& name, qzu::string& detail,
                           int& type) const {
  const Row& row = rows_[contact];
  const Number& shown = numbers_[number < 0 ? row.primary : row.numbers + static_cast<size_t>(number)];
  id = row.id;
  name.assign(text_.data() + row.name.at, row.name.length);
  detail.assign(text_.data() + shown.text.at, shown.text.length);
  type = shown.type;
}

ContactTexts::Span ContactTexts::Append(const std::wstring& text) {
  Span span{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(text.size())};
  text_ += text;
  return span;
}

}  // namespace qzpam
