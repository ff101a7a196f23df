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

void ContactTexts::CopyNumber(size_t contact, int number, qzu::string& out) const {
  const NumberText& text = Number(contact, number);
  if (!text.narrow) {
    out.assign(wide_.data() + text.text.at, text.text.length);
    return;
  }
  out.resize(text.text.length);
  std::copy_n(narrow_.data() + text.text.at, text.text.length, out.data());
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
