// The bytes of a vCard card for one contact: vCard 2.1 as MakeVcard writes
// it, or vCard 3.0 for backups and other programs.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "contactdata/VcardValue.h"
#include "platform/ContactRecord.h"

enum class VcardVersion { V21, V30 };

struct VcardOptions {
  VcardVersion version = VcardVersion::V21;
  // The ring tone's path (X-RINGTONE). It names a file of this handset, so
  // it goes into backups but not into cards sent to other phones.
  bool ringTone = false;
};

class VcardBuilder {
 public:
  // Appends the card to `card`. vCard 2.1: lines joined by single line
  // feeds, no line feed after "END:VCARD". vCard 3.0: UTF-8, every line
  // ended by CR LF and folded at 75 bytes.
  static void Build(const CContactInfo& contact, std::string& card) { Build(contact, VcardOptions{}, card); }
  static void Build(const CContactInfo& contact, const VcardOptions& options, std::string& card);

 private:
  VcardBuilder(std::string& card, VcardVersion version) : card_(card), version_(version) {}

  bool V30() const { return version_ == VcardVersion::V30; }
  // A line of fixed ASCII text.
  void Line(const char* text);
  // "NAME", the type parameters (CELL, PREF, ...) in the version's form,
  // then the value.
  void Property(const char* name, std::initializer_list<const char*> types, std::wstring_view text,
                VcardValue::Encoding encoding);
  // A property whose value is made of components joined by `separator` (N,
  // ORG, ADR, CATEGORIES); a separator inside a component is escaped.
  void Structured(const char* name, std::initializer_list<const char*> types, std::wstring_view prefix,
                  std::initializer_list<std::wstring_view> components, wchar_t separator = L';');
  void Names(const CContactInfo& contact);
  void Phones(const qzu::array<ContactValueEntry>& phones);
  void Values(const char* name, const qzu::array<ContactValueEntry>& entries);
  void Addresses(const qzu::array<ContactAddressEntry>& addresses);
  void Categories(const qzu::array<qzu::string>& categories);
  void Birthday(const qzu::string& birthday);
  void Photo(const unsigned char* bytes, int length);
  // Appends a whole vCard 3.0 content line, folded.
  void Line30(const std::string& line);
  // "NAME;TYPE=A,B" or "NAME;A;B".
  std::string Head(const char* name, std::initializer_list<const char*> types) const;

  std::string& card_;
  VcardVersion version_;
};
