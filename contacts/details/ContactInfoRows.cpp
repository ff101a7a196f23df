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

const ContactValueEntry* ValueAt(const CContactInfo& contact, int kind, int index) {
  switch (kind) {
    case CONTACT_ROW_PHONE:
      return EntryAt(contact.phoneNumbers, index);
    case CONTACT_ROW_EMAIL:
      return EntryAt(contact.emails, index);
    case CONTACT_ROW_QQ:
      return EntryAt(contact.qqNumbers, index);
    case CONTACT_ROW_MSN:
      return EntryAt(contact.msnAccounts, index);
    case CONTACT_ROW_WEB_PAGE:
      return EntryAt(contact.webPages, index);
    default:
      return nullptr;
  }
}

CQzStringW BirthdayText(const qzu::string& birthday) { return BirthdayDisplayText(birthday); }

int PhonePartAt(int x) {
  if (x < kNumberPartLeft) return CONTACT_PART_ROW;
  return x < kMessagePartLeft ? CONTACT_PART_NUMBER : CONTACT_PART_MESSAGE;
}

bool CopyTextOf(const CContactInfo& contact, int kind, int index, const qzu::string& rowText, qzu::string& text) {
  if (kind == CONTACT_ROW_ADDRESS || kind == CONTACT_ROW_NOTE) {
    text = rowText;
    return true;
  }
  if (kind == CONTACT_ROW_BIRTHDAY) {
    text = contact.birthday;
    return true;
  }
  const ContactValueEntry* entry = ValueAt(contact, kind, index);
  if (!entry) return false;
  text = entry->value;
  return true;
}

}  // namespace contact_rows
