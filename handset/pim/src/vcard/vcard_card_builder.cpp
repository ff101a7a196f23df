#include "vcard/vcard_card_builder.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vcard/vcard_encodings.h"

namespace qzpam::vcard {
namespace {

// No real contact comes near these; a card that goes past them keeps the
// first ones, so that hostile input cannot make a record (and the store
// and lists behind it) grow without bound.
constexpr std::size_t kMaxCategories = 64;
constexpr int kMaxEntriesPerKind = 100;
constexpr std::size_t kMaxCompanyParts = 16;

// Type codes of the record (see CContactInfo.h).
enum PhoneType { kPhoneMobile = 0, kPhoneHome = 1, kPhoneWork = 2, kPhoneFax = 3, kPhoneOther = 4 };
enum ValueType { kValuePersonal = 0, kValueWork = 1, kValueOther = 2 };

int PhoneTypeOf(unsigned types) {
  if (types & kTypeFax) return kPhoneFax;
  if (types & kTypeCell) return kPhoneMobile;
  if (types & kTypeHome) return kPhoneHome;
  if (types & kTypeWork) return kPhoneWork;
  return kPhoneOther;
}

// E-mail, web page, QQ, MSN and addresses share one scheme.
int ValueTypeOf(unsigned types) {
  if (types & kTypeHome) return kValuePersonal;
  if (types & kTypeWork) return kValueWork;
  return kValueOther;
}

qzu::string TrimWide(qzu::string text) {
  const std::wstring_view trimmed = TrimBlanks(text.view());
  return trimmed.size() == text.length() ? text : qzu::string(trimmed);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

void CardBuilder::SetVersion(std::string_view version) {
  escapes_ = TrimBlanks(version) == "2.1" ? Escapes::kVersion21 : Escapes::kFull;
}

// The value as text: transfer encoding undone, code page applied.
qzu::string CardBuilder::Text(const Property& p) {
  if (p.encoding == Encoding::kQuotedPrintable) return text_.Decode(DecodeQuotedPrintable(p.value), p.charset);
  if (p.encoding == Encoding::kBase64) {
    std::vector<unsigned char> bytes;
    if (!DecodeBase64(p.value, bytes)) return qzu::string();
    return text_.Decode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), p.charset);
  }
  return text_.Decode(p.value, p.charset);
}

// A single (not structured) text value. vCard 2.1 writers, ours included,
// escape nothing in these, so a backslash there is a backslash.
qzu::string CardBuilder::SingleValue(const Property& p) {
  qzu::string value = Text(p);
  return escapes_ == Escapes::kVersion21 ? value : Unescape(value, escapes_);
}

void CardBuilder::Apply(const Property& p) {
  switch (p.kind) {
    case Kind::kN:
      AddName(p);
      break;
    case Kind::kFn:
      formatted_name_ = TrimWide(SingleValue(p));
      break;
    case Kind::kOrg:
      AddCompany(p);
      break;
    case Kind::kTel:
      AddPhone(p);
      break;
    case Kind::kEmail:
      AddValue(p, card_.emails, &CContactInfo::AddEmail);
      break;
    case Kind::kUrl:
      AddValue(p, card_.webPages, &CContactInfo::AddWebPage);
      break;
    case Kind::kQq:
      AddValue(p, card_.qqNumbers, &CContactInfo::AddQQ);
      break;
    case Kind::kMsn:
      AddValue(p, card_.msnAccounts, &CContactInfo::AddMSN);
      break;
    case Kind::kAdr:
      AddAddress(p);
      break;
    case Kind::kBday: {
      qzu::string birthday = NormalizeBirthday(Text(p));
      if (!birthday.empty()) card_.birthday = std::move(birthday);
      break;
    }
    case Kind::kNote: {
      qzu::string note = SingleValue(p);
      if (card_.note.empty())
        card_.note = std::move(note);
      else if (!note.empty())
        card_.note += L"\n" + note;
      break;
    }
    case Kind::kCategories:
      AddCategories(p);
      break;
    case Kind::kPhoto:
      AddPhoto(p);
      break;
    case Kind::kRingTone:
      card_.ringPath = TrimWide(SingleValue(p));
      break;
    default:
      break;
  }
}

void CardBuilder::AddValue(const Property& p, qzu::array<ContactValueEntry>& entries,
                           bool (CContactInfo::*add)(int, const qzu::string&, int)) {
  if (entries.size() >= kMaxEntriesPerKind) return;
  const qzu::string value = TrimWide(SingleValue(p));
  if (!value.empty()) (card_.*add)(0, value, ValueTypeOf(p.types));
}

void CardBuilder::AddName(const Property& p) {
  const std::vector<qzu::string> parts = SplitJoinedComponents(Text(p), escapes_, 3);
  qzu::string last = parts.size() > 0 ? parts[0] : qzu::string();
  qzu::string first = parts.size() > 1 ? parts[1] : qzu::string();
  if (parts.size() > 2 && !parts[2].empty()) first += (first.empty() ? L"" : L" ") + parts[2];
  if (last.empty() && first.empty()) return;
  card_.lastName = std::move(last);
  card_.firstName = std::move(first);
  has_name_ = true;
}

// ORG: the organization, then its units ("IBM;Accounting"). The record has
// one company field; the units follow the organization's name after a space.
void CardBuilder::AddCompany(const Property& p) {
  qzu::string company;
  for (const qzu::string& unit : SplitComponents(Text(p), L";", escapes_, kMaxCompanyParts)) {
    const qzu::string part = TrimWide(unit);
    if (part.empty()) continue;
    if (!company.empty()) company += L" ";
    company += part;
  }
  card_.company = std::move(company);
}

void CardBuilder::AddPhone(const Property& p) {
  if (card_.phoneNumbers.size() >= kMaxEntriesPerKind) return;
  std::string_view raw = TrimBlanks(p.value);
  Property number = p;
  if (StartsWithNoCase(raw, "tel:")) number.value = raw.substr(4);  // vCard 4.0 URI form
  const qzu::string value = TrimWide(SingleValue(number));
  if (value.empty()) return;
  const int index = card_.AddPhoneNumber(0, value, PhoneTypeOf(p.types), 0);
  if ((p.types & kTypePref) && preferred_phone_ < 0) preferred_phone_ = index;
}

// ADR components: post-office box; extended address; street; city;
// province; postcode; country.
void CardBuilder::AddAddress(const Property& p) {
  if (card_.addresses.size() >= kMaxEntriesPerKind) return;
  std::vector<qzu::string> parts = SplitComponents(Text(p), L";", escapes_, 7);
  parts.resize(7);
  qzu::string street;
  for (int i : {0, 1, 2}) {
    if (parts[i].empty()) continue;
    if (!street.empty()) street += L" ";
    street += parts[i];
  }
  if (street.empty() && parts[3].empty() && parts[4].empty() && parts[5].empty() && parts[6].empty()) return;
  card_.AddAddress(0, parts[3], parts[6], parts[5], parts[4], street, ValueTypeOf(p.types));
}

// Our cards separate groups with ";", vCard 3.0 and 4.0 with ",". A contact
// is in a handful of groups; a card naming more than kMaxCategories keeps the
// first ones. A 2.1 card written before commas in group names were escaped
// reads as it did, unless a name held a backslash before a comma or another
// backslash.
void CardBuilder::AddCategories(const Property& p) {
  const std::size_t room = kMaxCategories - static_cast<std::size_t>(card_.categories.size());
  const Escapes escapes = escapes_ == Escapes::kVersion21 ? Escapes::kVersion21List : escapes_;
  for (qzu::string& name : SplitComponents(Text(p), L";,", escapes, room)) {
    qzu::string group = TrimWide(std::move(name));
    if (group.empty()) continue;
    bool known = false;
    for (const qzu::string& existing : card_.categories) known = known || existing == group;
    if (!known) card_.AddToCategoris(group);
  }
}

// vCard 2.1 and 3.0 carry the picture inline in base64 (ENCODING=BASE64 or
// ENCODING=b); 4.0 as a data: URI. A picture given by reference is skipped.
void CardBuilder::AddPhoto(const Property& p) {
  if (card_.photoLength > 0) return;
  std::string_view data;
  const std::string_view value = TrimBlanks(p.value);
  if (StartsWithNoCase(value, "data:")) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos || !ContainsNoCase(value.substr(0, comma), ";base64")) return;
    data = value.substr(comma + 1);
  } else if (p.encoding == Encoding::kBase64) {
    data = value;
  } else {
    return;
  }
  // Decoded straight into the record's buffer: photos are the bulk of a card.
  auto bytes = std::make_unique<unsigned char[]>(Base64Capacity(data));
  const long length = DecodeBase64Into(data, bytes.get());
  if (length <= 0) return;
  card_.photoData = std::move(bytes);
  card_.photoLength = static_cast<int>(length);
}

void CardBuilder::Finish(CContactInfo& contact) {
  // A card of a company has no N, and its FN repeats the ORG: the company
  // is its display name already and is no one's first name.
  if (!has_name_ && !formatted_name_.empty() && formatted_name_ != card_.company) card_.firstName = formatted_name_;
  // A stored contact with numbers has one primary number: the one the card
  // prefers, else the first.
  if (preferred_phone_ >= 0)
    card_.SetPhoneNumberPrimary(preferred_phone_, 1);
  else if (!card_.phoneNumbers.empty())
    card_.SetPhoneNumberPrimary(0, 1);
  card_.FormatFileAs();
  contact = std::move(card_);
}

}  // namespace qzpam::vcard
