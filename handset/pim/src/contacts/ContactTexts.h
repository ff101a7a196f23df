// What a contact row shows (identifier, name, numbers and their types) for
// every contact of one snapshot, copied in list order into one long string
// and two small tables. Handing out a row of a long result then reads
// neighbouring memory instead of visiting each contact's own strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "qzpam/qzu_string.h"

namespace qzpam {

class ContactTexts {
 public:
  explicit ContactTexts(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return rows_.size(); }
  int id(size_t contact) const { return rows_[contact].id; }
  // The row of a contact: its identifier, name, and number `number` of its
  // numbers (-1: the primary one) with that number's type.
  void CopyRow(size_t contact, int number, int& id, qzu::string& name, qzu::string& detail, int& type) const;

 private:
  // Where a text lies in text_.
  struct Span {
    uint32_t at;
    uint32_t length;
  };
  struct Number {
    Span text;
    int type;
  };
  struct Row {
    int id;
    Span name;
    uint32_t numbers;  // where the contact's numbers start in numbers_
    uint32_t primary;  // which entry of numbers_ is the primary number
  };

  Span Append(const std::wstring& text);

  // Each contact's name followed by its numbers, so that a row's texts
  // usually lie side by side.
  std::wstring text_;
  std::vector<Row> rows_;
  std::vector<Number> numbers_;
};

}  // namespace qzpam
