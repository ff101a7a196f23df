#include "contactdata/VcardBuilder.h"

#include <algorithm>
#include <string_view>

#include "contactdata/GroupNames.h"
#include "contactdata/VcardValue.h"
#include "platform/ToolkitContract.h"

namespace {

constexpr std::size_t kPhotoChunk = 48;  // 64 base64 characters, no padding
constexpr int kEncodeBuffer = 76;

const char* PhoneParameter(int type) {
  static const char* const kParameters[] = {";CELL", ";HOME", ";WORK", ";FAX"};
  return type >= 0 && type < 4 ? kParameters[type] : "";
}

// E-mail, web page, QQ and MSN.
const char* ValueParameter(int type) {
  static const char* const kParameters[] = {";PRIVATE", ";WORK"};
  return type >= 0 && type < 2 ? kParameters[type] : "";
}

const char* AddressParameter(int type) {
  static const char* const kParameters[] = {";HOME", ";WORK"};
  return type >= 0 && type < 2 ? kParameters[type] : "";
}

void AppendEscaped(std::wstring& out, std::wstring_view component) {
  for (const wchar_t c : component) {
    if (c == L';') out += L'\\';
    out += c;
  }
}

}  // namespace

void VcardBuilder::Build(const CContactInfo& contact, std::string& card) {
  VcardBuilder builder(card);
  card += "BEGIN:VCARD";
  builder.Line("VERSION:2.1");
  if (!contact.lastName.empty() || !contact.firstName.empty())
    builder.Structured("N", "", L"", {contact.lastName.view(), contact.firstName.view()});
  if (!contact.company.empty()) builder.Structured("ORG", "", L"", {contact.company.view()});
  if (!contact.categories.empty()) builder.Categories(contact.categories);
  builder.Phones(contact.phoneNumbers);
  builder.Values("EMAIL", contact.emails);
  builder.Values("URL", contact.webPages);
  builder.Values("X-QQ", contact.qqNumbers);
  builder.Values("X-MSN", contact.msnAccounts);
  for (const ContactAddressEntry& a : contact.addresses)
    builder.Structured("ADR", AddressParameter(a.type), L";;",
                       {a.street.view(), a.city.view(), a.province.view(), a.postcode.view(), a.country.view()});
  if (!contact.birthday.empty()) builder.Single("BDAY", "", contact.birthday);
  if (!contact.note.empty()) builder.Note(contact.note);
  if (contact.photoLength > 0 && contact.photoData) builder.Photo(contact.photoData.get(), contact.photoLength);
  builder.Line("END:VCARD");
}

void VcardBuilder::Line(const char* text) {
  card_ += '\n';
  card_ += text;
}

void VcardBuilder::Property(const char* name, const char* parameter, std::wstring_view text,
                            VcardValue::Encoding encoding) {
  const VcardValue encoded(text, encoding);
  Line(name);
  card_ += parameter;
  encoded.AppendParameters(card_);
  encoded.AppendValue(card_);
}

void VcardBuilder::Single(const char* name, const char* parameter, const qzu::string& value) {
  Property(name, parameter, value.view(), VcardValue::Encoding::AS_NEEDED);
}

void VcardBuilder::Structured(const char* name, const char* parameter, std::wstring_view prefix,
                              std::initializer_list<std::wstring_view> components) {
  std::wstring text(prefix);
  bool first = true;
  for (const std::wstring_view component : components) {
    if (!first) text += L';';
    AppendEscaped(text, component);
    first = false;
  }
  Property(name, parameter, text, VcardValue::Encoding::AS_NEEDED);
}

// Readers take the first number as the primary one unless another says
// PREF, so only a primary number further down the list is marked.
void VcardBuilder::Phones(const qzu::array<ContactValueEntry>& phones) {
  for (int i = 0; i < phones.size(); ++i) {
    const ContactValueEntry& phone = phones[i];
    std::string parameter = PhoneParameter(phone.type);
    if (i > 0 && phone.primary == 1) parameter += ";PREF";
    Single("TEL", parameter.c_str(), phone.value);
  }
}

void VcardBuilder::Values(const char* name, const qzu::array<ContactValueEntry>& entries) {
  for (const ContactValueEntry& entry : entries) Single(name, ValueParameter(entry.type), entry.value);
}

// Special groups are written under their display names ("黑名单").
void VcardBuilder::Categories(const qzu::array<qzu::string>& categories) {
  std::wstring text;
  for (int i = 0; i < categories.size(); ++i) {
    if (i > 0) text += L';';
    AppendEscaped(text, GetGroupDisplayName(categories[i]).view());
  }
  Property("CATEGORIES", "", text, VcardValue::Encoding::AS_NEEDED);
}

// The note is always quoted-printable, so its line breaks stay in it.
void VcardBuilder::Note(const qzu::string& note) {
  Property("NOTE", "", note.view(), VcardValue::Encoding::QUOTED_PRINTABLE);
}

void VcardBuilder::Photo(const unsigned char* bytes, int length) {
  Line("PHOTO;TYPE=JPEG;ENCODING=BASE64:");
  const std::size_t total = static_cast<std::size_t>(length);
  card_.reserve(card_.size() + total / kPhotoChunk * 69 + 80);
  char encoded[kEncodeBuffer];
  for (std::size_t at = 0; at < total; at += kPhotoChunk) {
    const std::size_t chunk = std::min(kPhotoChunk, total - at);
    const int count = QzBase64Encode(bytes + at, static_cast<int>(chunk), encoded, kEncodeBuffer);
    card_ += "\n    ";
    card_.append(encoded, static_cast<std::size_t>(std::max(count, 0)));
  }
}
