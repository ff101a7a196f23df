#include "contacts/details/ContactInfoRows.h"

#include "ce/wstring.h"
#include "platform/ToolkitContract.h"

namespace contact_rows {

namespace {

constexpr int kNumberPartLeft = 80;
constexpr int kMessagePartLeft = 374;

// The value entry of an array by index, or null outside it.
const ContactValueEntry* EntryAt(const qzu::array<ContactValueEntry>& entries, int index) {
  return entries.valid_index(index) ? &entries[index] : nullptr;
}

long DecimalField(const qzu::string& text, size_t from, size_t length) {
  return _wtol(qzu::string(text.c_str() + from, length).c_str());
}

}  // namespace

qzu::string ComposeAddress(const ContactAddressEntry& address) {
  qzu::string text;
  text += address.country;
  text += address.province;
  text += address.city;
  if (!text.empty() && !address.street.empty()) text += L"\r\n";
  text += address.street;
  if (!text.empty() && !address.postcode.empty()) text += L"\r\n";
  text += address.postcode;
  return text;
}

CQzStringW BirthdayText(const qzu::string& birthday) {
  if (birthday.length() < 8) return CQzStringW();
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(DecimalField(birthday, 0, 4));
  date.wMonth = static_cast<WORD>(DecimalField(birthday, 4, 2));
  date.wDay = static_cast<WORD>(DecimalField(birthday, 6, 2));
  return GetDateTimeString(date, QZ_DATE_FULL);
}

int PhonePartAt(int x) {
  if (x < kNumberPartLeft) return CONTACT_PART_ROW;
  return x < kMessagePartLeft ? CONTACT_PART_NUMBER : CONTACT_PART_MESSAGE;
}

bool CopyTextOf(const CContactInfo& contact, int kind, int index, const qzu::string& rowText, qzu::string& text) {
  const ContactValueEntry* entry = nullptr;
  switch (kind) {
    case CONTACT_ROW_PHONE:
      entry = EntryAt(contact.phoneNumbers, index);
      break;
    case CONTACT_ROW_EMAIL:
      entry = EntryAt(contact.emails, index);
      break;
    case CONTACT_ROW_QQ:
      entry = EntryAt(contact.qqNumbers, index);
      break;
    case CONTACT_ROW_MSN:
      entry = EntryAt(contact.msnAccounts, index);
      break;
    case CONTACT_ROW_WEB_PAGE:
      entry = EntryAt(contact.webPages, index);
      break;
    case CONTACT_ROW_ADDRESS:
    case CONTACT_ROW_NOTE:
      text = rowText;
      return true;
    case CONTACT_ROW_BIRTHDAY:
      text = contact.birthday;
      return true;
    default:
      return false;
  }
  if (!entry) return false;
  text = entry->value;
  return true;
}

}  // namespace contact_rows
