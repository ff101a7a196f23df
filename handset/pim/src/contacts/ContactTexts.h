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
  int id(size_t contact) const { return rows_[contact].id; }
  std::wstring_view name(size_t contact) const {
    const Span& name = rows_[contact].name;
    return std::wstring_view(wide_).substr(name.at, name.length);
  }
  // Number `number` of the contact, or its primary one for -1.
  void CopyNumber(size_t contact, int number, qzu::string& out) const;
  int numberType(size_t contact, int number) const { return Number(contact, number).type; }

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

  const NumberText& Number(size_t contact, int number) const {
    const Row& row = rows_[contact];
    return numbers_[number < 0 ? row.primary : row.numbers + static_cast<size_t>(number)];
  }
  Span AppendWide(const std::wstring& text);
  NumberText AppendNumber(const std::wstring& text, int type);

  std::wstring wide_;
  std::string narrow_;
  std::vector<Row> rows_;
  std::vector<NumberText> numbers_;
};

}  // namespace qzpam
