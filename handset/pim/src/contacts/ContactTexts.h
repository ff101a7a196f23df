// What a contact row shows (identifier, name, numbers and their types) for
// every contact of one snapshot, copied in list order into one long string
// and two small tables. Handing out a row of a long result then reads
// neighbouring memory instead of visiting each contact's own strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/ContactSnapshot.h"

namespace qzpam {

class ContactTexts {
 public:
  explicit ContactTexts(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return rows_.size(); }
  int id(size_t contact) const { return rows_[contact].id; }
  std::wstring_view name(size_t contact) const { return Text(rows_[contact].name); }
  // Number `number` of the contact, or its primary one for -1.
  std::wstring_view number(size_t contact, int number) const { return Text(Number(contact, number).text); }
  int numberType(size_t contact, int number) const { return Number(contact, number).type; }

 private:
  struct Span {
    uint32_t at;
    uint32_t length;
  };
  struct NumberText {
    Span text;
    int type;
  };
  struct Row {
    int id;
    Span name;
    uint32_t numbers;  // where the contact's numbers start in numbers_
    uint32_t primary;  // which entry of numbers_ is the primary number
  };

  std::wstring_view Text(Span span) const { return std::wstring_view(text_).substr(span.at, span.length); }
  const NumberText& Number(size_t contact, int number) const {
    const Row& row = rows_[contact];
    return numbers_[number < 0 ? row.primary : row.numbers + static_cast<size_t>(number)];
  }
  Span Append(const std::wstring& text);

  std::wstring text_;
  std::vector<Row> rows_;
  std::vector<NumberText> numbers_;
};

}  // namespace qzpam
