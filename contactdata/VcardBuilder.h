// The bytes of a vCard 2.1 card for one contact, as MakeVcard writes them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "contactdata/VcardValue.h"
#include "platform/ContactRecord.h"

class VcardBuilder {
 public:
  // Appends the card to `card`: lines joined by single line feeds, no line
  // feed after "END:VCARD".
  static void Build(const CContactInfo& contact, std::string& card);

 private:
  explicit VcardBuilder(std::string& card) : card_(card) {}

  // Starts a new line (a line feed, then the text).
  void Line(const char* text);
  void Property(const char* name, const char* parameter, std::wstring_view text, VcardValue::Encoding encoding);
  // A property whose value is one text (TEL, EMAIL, URL, BDAY, ...).
  void Single(const char* name, const char* parameter, const qzu::string& value);
  // A property whose value is made of components separated by ";" (N, ORG,
  // ADR, CATEGORIES); a ";" inside a component is escaped as "\;".
  void Structured(const char* name, const char* parameter, std::wstring_view prefix,
                  std::initializer_list<std::wstring_view> components);
  void Phones(const qzu::array<ContactValueEntry>& phones);
  void Values(const char* name, const qzu::array<ContactValueEntry>& entries);
  void Categories(const qzu::array<qzu::string>& categories);
  void Note(const qzu::string& note);
  void Photo(const unsigned char* bytes, int length);

  std::string& card_;
};
