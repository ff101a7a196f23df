// Every field a contact holds as one text, one line a field, so that a test
// compares a whole record in one assertion and a failure shows the field.
// (Header only: the tests that include it link the data library.)
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

#include "ce/utf8.h"
#include "qzpam/CContactInfo.h"

namespace pimtest {

// UTF-8 with line ends shown as \n and \r.
inline std::string Shown(const qzu::string& text) {
  std::string shown;
  for (char c : ce::ToUtf8(text.view())) shown += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
  return shown;
}

inline std::string TypeName(int type, std::initializer_list<const char*> names) {
  return type >= 0 && static_cast<std::size_t>(type) < names.size() ? names.begin()[type] : std::to_string(type);
}

// The record's fields, empty ones left out. A photo equal to `knownPhoto`
// reads "photo: known"; any other gives its size and a hash of its bytes.
inline std::string Summary(const CContactInfo& c, const std::string& knownPhoto = "") {
  std::string out;
  if (!c.lastName.empty() || !c.firstName.empty()) out += "name: " + Shown(c.lastName) + "|" + Shown(c.firstName) + "\n";
  if (!c.fileAs.empty()) out += "shown: " + Shown(c.fileAs) + "\n";
  if (!c.company.empty()) out += "company: " + Shown(c.company) + "\n";
  for (const ContactValueEntry& e : c.phoneNumbers)
    out += "tel: " + Shown(e.value) + " (" + TypeName(e.type, {"mobile", "home", "work", "fax", "other"}) + ")" +
           (e.primary == 1 ? " primary" : "") + "\n";
  const std::pair<const char*, const qzu::array<ContactValueEntry>*> values[] = {
      {"email", &c.emails}, {"url", &c.webPages}, {"qq", &c.qqNumbers}, {"msn", &c.msnAccounts}};
  for (const auto& [label, entries] : values)
    for (const ContactValueEntry& e : *entries)
      out += std::string(label) + ": " + Shown(e.value) + " (" + TypeName(e.type, {"personal", "work", "other"}) + ")\n";
  for (const ContactAddressEntry& a : c.addresses)
    out += "adr: (" + TypeName(a.type, {"home", "work", "other"}) + ") " + Shown(a.street) + " / " + Shown(a.city) +
           " / " + Shown(a.province) + " / " + Shown(a.postcode) + " / " + Shown(a.country) + "\n";
  if (!c.birthday.empty()) out += "birthday: " + Shown(c.birthday) + "\n";
  if (!c.note.empty()) out += "note: " + Shown(c.note) + "\n";
  if (!c.ringPath.empty()) out += "ring: " + Shown(c.ringPath) + "\n";
  for (const qzu::string& group : c.categories) out += "group: " + Shown(group) + "\n";
  if (c.photoLength > 0) {
    const std::string photo(reinterpret_cast<const char*>(c.photoData.get()), static_cast<std::size_t>(c.photoLength));
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (unsigned char byte : photo) hash = (hash ^ byte) * 16777619u;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    out += photo == knownPhoto ? "photo: known\n" : "photo: " + std::to_string(photo.size()) + " bytes " + hex + "\n";
  }
  return out;
}

}  // namespace pimtest
