#include "contacts/details/ContactInfoRows.h"

#include "ce/wstring.h"
#include "contacts/BirthdayText.h"
#include "platform/ToolkitContract.h"

namespace contact_rows {

namespace {

constexpr int kNumberPartLeft = 80;
constexpr int kMessagePartLeft = 374;

// The value entry of an array by index, or null outside it.
const ContactValueEntry* EntryAt(const qzu::array<ContactValueEntry>& entries, int index) {
  return entries.valid_index(index) ? &entries[index] : nullptr;
}

}  // namespace

CQzStringW BirthdayText(const qzu::string& birthday) { return BirthdayDisplayText(birthday); }

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
