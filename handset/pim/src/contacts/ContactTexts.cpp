#include "contacts/ContactTexts.h"

#include <algorithm>

namespace qzpam {

ContactTexts::ContactTexts(const ContactSnapshot::Contacts& contacts) {
  rows_.reserve(contacts.size());
  for (const auto& shared : contacts) {
    const SnapshotContact& contact = *shared;
    Row row{contact.id, AppendWide(contact.name), static_cast<uint32_t>(numbers_.size()), 0};
    // The primary number is nearly always one of the numbers: keep it once.
    row.primary = static_cast<uint32_t>(numbers_.size() + contact.numbers.size());
    for (const SnapshotNumber& number : contact.numbers) {
      if (number.value == contact.detail && number.type == contact.detailType)
        row.primary = std::min(row.primary, static_cast<uint32_t>(numbers_.size()));
      numbers_.push_back(AppendNumber(number.value, number.type));
    }
    if (row.primary == numbers_.size()) numbers_.push_back(AppendNumber(contact.detail, contact.detailType));
    rows_.push_back(row);
  }
}

void ContactTexts::CopyRow(size_t contact, int number, int& id, qzu::string& name, qzu::string& detail,
                           int& type) const {
  const Row& row = rows_[contact];
  id = row.id;
  name.assign(wide_.data() + row.name.at, row.name.length);
  const NumberText& text = numbers_[number < 0 ? row.primary : row.numbers + static_cast<size_t>(number)];
  type = text.type;
  if (!text.narrow) {
    detail.assign(wide_.data() + text.text.at, text.text.length);
    return;
  }
  detail.resize(text.text.length);
  std::copy_n(narrow_.data() + text.text.at, text.text.length, detail.data());
}

ContactTexts::Span ContactTexts::AppendWide(const std::wstring& text) {
  Span span{static_cast<uint32_t>(wide_.size()), static_cast<uint32_t>(text.size())};
  wide_ += text;
  return span;
}

ContactTexts::NumberText ContactTexts::AppendNumber(const std::wstring& text, int type) {
  if (!std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0 && c < 0x80; }))
    return {AppendWide(text), type, false};
  Span span{static_cast<uint32_t>(narrow_.size()), static_cast<uint32_t>(text.size())};
  for (wchar_t c : text) narrow_ += static_cast<char>(c);
  return {span, type, true};
}

}  // namespace qzpam
