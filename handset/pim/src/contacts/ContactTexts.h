// What a contact row shows (identifier, name, numbers and their types) for
// every contact of one snapshot, copied in list order into a few long
// strings and small tables. Handing out a row of a long result then reads
// neighbouring memory instead of visiting each contact's own strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "qzpam/qzu_string.h"

namespace qzpam {

class ContactTexts {
 public:
  explicit ContactTexts(const ContactSnapshot::Contacts& contacts);

  size_t size() const { return rows_.size(); }
  // The row of a contact: its identifier, name, and number `number` of its
  // numbers (-1: the primary one) with that number's type.
  void CopyRow(size_t contact, int number, int& id, qzu::string& name, qzu::string& detail, int& type) const;

 private:
  struct Span {
    uint32_t at;
    uint32_t length;
  };
  // Numbers are nearly always ASCII and kept in narrow_ then, a quarter of
  // the memory to read; the others are kept in wide_.
  struct NumberText {
    Span text;
    int type;
    bool narrow;
  };
  struct Row {
    int id;
    Span name;
    uint32_t numbers;  // where the contact's numbers start in numbers_
    uint32_t primary;  // which entry of numbers_ is the primary number
  };

  Span AppendWide(const std::wstring& text);
  NumberText AppendNumber(const std::wstring& text, int type);

  std::wstring wide_;
  std::string narrow_;
  std::vector<Row> rows_;
  std::vector<NumberText> numbers_;
};

}  // namespace qzpam
