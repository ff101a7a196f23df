#include "contactdata/VcardBuilder.h"

#include <algorithm>
#include <string_view>

#include "ce/utf8.h"
#include "contactdata/GroupNames.h"
#include "contactdata/VcardText30.h"
#include "contactdata/VcardValue.h"
#include "platform/ToolkitContract.h"

namespace {

constexpr std::size_t kPhotoChunk = 48;  // 64 base64 characters, no padding
constexpr int kEncodeBuffer = 76;

const char* PhoneType(int type) {
  static const char* const kTypes[] = {"CELL", "HOME", "WORK", "FAX"};
  return type >= 0 && type < 4 ? kTypes[type] : nullptr;
}

// E-mail, web page, QQ and MSN. vCard 3.0 has no PRIVATE; HOME says the same.
const char* ValueType(int type, VcardVersion version) {
  if (type == 0) return version == VcardVersion::V30 ? "HOME" : "PRIVATE";
  return type == 1 ? "WORK" : nullptr;
}

const char* AddressType(int type) {
  static const char* const kTypes[] = {"HOME", "WORK"};
  return type >= 0 && type < 2 ? kTypes[type] : nullptr;
}

// vCard 2.1 escapes only what would end the component: its separator, and
// in the group list the backslash as well.
void AppendEscaped21(std::wstring& out, std::wstring_view component, std::wstring_view special) {
  for (const wchar_t c : component) {
    if (special.find(c) != std::wstring_view::npos) out += L'\\';
    out += c;
  }
}

std::string Escaped30(std::wstring_view text) {
  std::string out;
  VcardText30::AppendEscaped(out, text);
  return out;
}

}  // namespace

void VcardBuilder::Build(const CContactInfo& contact, const VcardOptions& options, std::string& card) {
  VcardBuilder builder(card, options.version);
  if (builder.V30()) {
    builder.Line30("BEGIN:VCARD");
    builder.Line30("VERSION:3.0");
  } else {
    card += "BEGIN:VCARD";
    builder.Line("VERSION:2.1");
  }
  builder.Names(contact);
  if (!contact.company.empty()) builder.Structured("ORG", {}, L"", {contact.company.view()});
  if (!contact.categories.empty()) builder.Categories(contact.categories);
  builder.Phones(contact.phoneNumbers);
  builder.Values("EMAIL", contact.emails);
  builder.Values("URL", contact.webPages);
  builder.Values("X-QQ", contact.qqNumbers);
  builder.Values("X-MSN", contact.msnAccounts);
  builder.Addresses(contact.addresses);
  if (!contact.birthday.empty()) builder.Birthday(contact.birthday);
  // The note is always quoted-printable in 2.1, so its line breaks stay in it.
  if (!contact.note.empty()) builder.Property("NOTE", {}, contact.note.view(), VcardValue::Encoding::QUOTED_PRINTABLE);
  if (options.ringTone && !contact.ringPath.empty())
    builder.Property("X-RINGTONE", {}, contact.ringPath.view(), VcardValue::Encoding::AS_NEEDED);
  if (contact.photoLength > 0 && contact.photoData) builder.Photo(contact.photoData.get(), contact.photoLength);
  if (builder.V30())
    builder.Line30("END:VCARD");
  else
    builder.Line("END:VCARD");
}

void VcardBuilder::Line(const char* text) {
  card_ += '\n';
  card_ += text;
}

void VcardBuilder::Line30(const std::string& line) { VcardText30::AppendFolded(card_, line); }

std::string VcardBuilder::Head(const char* name, std::initializer_list<const char*> types) const {
  std::string head = name;
  bool first = true;
  for (const char* type : types) {
    if (!type) continue;
    head += V30() ? (first ? ";TYPE=" : ",") : ";";
    head += type;
    first = false;
  }
  return head;
}

void VcardBuilder::Property(const char* name, std::initializer_list<const char*> types, std::wstring_view text,
                            VcardValue::Encoding encoding) {
  if (V30()) return Line30(Head(name, types) + ":" + Escaped30(text));
  const VcardValue encoded(text, encoding);
  card_ += '\n';
  card_ += Head(name, types);
  encoded.AppendParameters(card_);
  encoded.AppendValue(card_);
}

void VcardBuilder::Structured(const char* name, std::initializer_list<const char*> types, std::wstring_view prefix,
                              std::initializer_list<std::wstring_view> components, wchar_t separator) {
  if (V30()) {
    std::string line = Head(name, types) + ":" + ce::ToUtf8(prefix);
    bool first = true;
    for (const std::wstring_view component : components) {
      if (!first) line += static_cast<char>(separator);
      VcardText30::AppendEscaped(line, component);
      first = false;
    }
    return Line30(line);
  }
  std::wstring text(prefix);
  bool first = true;
  for (const std::wstring_view component : components) {
    if (!first) text += separator;
    AppendEscaped21(text, component, std::wstring_view(&separator, 1));
    first = false;
  }
  Property(name, types, text, VcardValue::Encoding::AS_NEEDED);
}

// vCard 3.0 requires N and FN on every card.
void VcardBuilder::Names(const CContactInfo& contact) {
  if (V30()) {
    Structured("N", {}, L"", {contact.lastName.view(), contact.firstName.view(), L"", L"", L""});
    Property("FN", {}, contact.fileAs.view(), VcardValue::Encoding::AS_NEEDED);
  } else if (!contact.lastName.empty() || !contact.firstName.empty()) {
    Structured("N", {}, L"", {contact.lastName.view(), contact.firstName.view()});
  }
}

// Readers take the first number as the primary one unless another says
// PREF, so only a primary number further down the list is marked.
void VcardBuilder::Phones(const qzu::array<ContactValueEntry>& phones) {
  for (int i = 0; i < phones.size(); ++i) {
    const ContactValueEntry& phone = phones[i];
    const char* preferred = i > 0 && phone.primary == 1 ? "PREF" : nullptr;
    Property("TEL", {PhoneType(phone.type), preferred}, phone.value.view(), VcardValue::Encoding::AS_NEEDED);
  }
}

void VcardBuilder::Values(const char* name, const qzu::array<ContactValueEntry>& entries) {
  for (const ContactValueEntry& entry : entries)
    Property(name, {ValueType(entry.type, version_)}, entry.value.view(), VcardValue::Encoding::AS_NEEDED);
}

// The post-office box and extended address stay empty.
void VcardBuilder::Addresses(const qzu::array<ContactAddressEntry>& addresses) {
  for (const ContactAddressEntry& a : addresses)
    Structured("ADR", {AddressType(a.type)}, L";;",
               {a.street.view(), a.city.view(), a.province.view(), a.postcode.view(), a.country.view()});
}

// Special groups are written under their display names ("黑名单"). vCard
// 3.0 separates groups with commas; our 2.1 cards with semicolons, but
// readers split 2.1 groups at commas too, so a comma in a name is escaped
// like the semicolon (and the backslash, so a name may end in one).
void VcardBuilder::Categories(const qzu::array<qzu::string>& categories) {
  std::wstring text;
  std::string line = "CATEGORIES:";
  for (int i = 0; i < categories.size(); ++i) {
    const qzu::string shown = GetGroupDisplayName(categories[i]);
    if (V30()) {
      if (i > 0) line += ',';
      VcardText30::AppendEscaped(line, shown.view());
    } else {
      if (i > 0) text += L';';
      AppendEscaped21(text, shown.view(), L"\\;,");
    }
  }
  if (V30()) return Line30(line);
  Property("CATEGORIES", {}, text, VcardValue::Encoding::AS_NEEDED);
}

// As stored in 2.1; in 3.0 an eight-digit date is written yyyy-mm-dd.
void VcardBuilder::Birthday(const qzu::string& birthday) {
  const std::wstring_view date = birthday.view();
  const bool digits = date.size() == 8 && std::all_of(date.begin(), date.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
  if (V30() && digits) {
    const std::wstring text = std::wstring(date.substr(0, 4)) + L"-" + std::wstring(date.substr(4, 2)) + L"-" +
                              std::wstring(date.substr(6, 2));
    return Property("BDAY", {}, text, VcardValue::Encoding::AS_NEEDED);
  }
  Property("BDAY", {}, date, VcardValue::Encoding::AS_NEEDED);
}

void VcardBuilder::Photo(const unsigned char* bytes, int length) {
  const std::size_t total = static_cast<std::size_t>(length);
  std::string line;
  std::string& out = V30() ? line : card_;
  if (V30()) {
    line.reserve(total / 3 * 4 + 40);
    line = "PHOTO;ENCODING=b;TYPE=JPEG:";
  } else {
    Line("PHOTO;TYPE=JPEG;ENCODING=BASE64:");
    card_.reserve(card_.size() + total / kPhotoChunk * 69 + 80);
  }
  char encoded[kEncodeBuffer];
  for (std::size_t at = 0; at < total; at += kPhotoChunk) {
    const std::size_t chunk = std::min(kPhotoChunk, total - at);
    const int count = QzBase64Encode(bytes + at, static_cast<int>(chunk), encoded, kEncodeBuffer);
    if (!V30()) out += "\n    ";
    out.append(encoded, static_cast<std::size_t>(std::max(count, 0)));
  }
  if (V30()) Line30(line);
}
