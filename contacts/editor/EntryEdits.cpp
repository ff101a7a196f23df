#include "contacts/editor/EntryEdits.h"

#include "contacts/editor/ContactEditKinds.h"

namespace {

bool IsStored(const CContactInfo& record) { return record.contactId > 0; }

// The entry array that a row kind of the other values shows.
qzu::array<st_contacts_extra>* ExtraEntries(CContactInfo& record, int rowKind) {
  switch (rowKind) {
    case EDIT_ROW_EMAIL:
      return &record.emails;
    case EDIT_ROW_QQ:
      return &record.qqNumbers;
    case EDIT_ROW_MSN:
      return &record.msnAccounts;
    case EDIT_ROW_WEB_PAGE:
      return &record.webPages;
    default:
      return nullptr;
  }
}

bool EraseExtra(CContactInfo& record, int rowKind, int index) {
  switch (rowKind) {
    case EDIT_ROW_EMAIL:
      return record.EraseEmail(index);
    case EDIT_ROW_QQ:
      return record.EraseQQ(index);
    case EDIT_ROW_MSN:
      return record.EraseMSN(index);
    case EDIT_ROW_WEB_PAGE:
      return record.EraseWebPage(index);
    default:
      return false;
  }
}

bool DeletePhone(CContactInfo& record, int index, CContactsDbIf& db) {
  if (!record.phoneNumbers.valid_index(index)) return false;
  if (IsStored(record)) db.RemovePhones(record.phoneNumbers[index].id);
  record.ErasePhoneNumber(index);
  if (!record.phoneNumbers.empty() && record.GetPrimaryPhoneNumber() < 0) {
    record.SetPhoneNumberPrimary(0, 1);
    if (IsStored(record)) db.UpdatePhones(record.phoneNumbers);
  }
  return true;
}

}  // namespace

bool MakePrimaryNumber(CContactInfo& record, int index, CContactsDbIf* db) {
  if (!record.phoneNumbers.valid_index(index) || record.phoneNumbers[index].primary) return false;
  int previous = record.GetPrimaryPhoneNumber();
  if (previous >= 0) record.SetPhoneNumberPrimary(previous, 0);
  record.SetPhoneNumberPrimary(index, 1);
  if (IsStored(record) && db) {
    db->UpdatePhonePrimary(record.phoneNumbers[index].id, 1);
    if (previous >= 0) db->UpdatePhonePrimary(record.phoneNumbers[previous].id, 0);
  }
  return true;
}

bool DeleteRowEntry(CContactInfo& record, int rowKind, int index, CContactsDbIf* db) {
  if (!db) return false;
  const bool stored = IsStored(record);
  switch (rowKind) {
    case EDIT_ROW_PHONE:
      return DeletePhone(record, index, *db);
    case EDIT_ROW_ADDRESS:
      if (!record.addresses.valid_index(index)) return false;
      if (stored) db->RemoveAddress(record.addresses[index].id);
      return record.EraseAddress(index);
    case EDIT_ROW_BIRTHDAY:
      if (stored) db->UpdateBirthday(record.contactId, qzu::string());
      record.UpdateBirthday(qzu::string());
      return true;
    case EDIT_ROW_NOTE:
      if (stored) db->UpdateNotes(record.contactId, qzu::string());
      record.UpdateRemark(qzu::string());
      return true;
    default: {
      qzu::array<st_contacts_extra>* entries = ExtraEntries(record, rowKind);
      if (!entries || !entries->valid_index(index)) return false;
      if (stored) db->RemoveExtraInfo((*entries)[index].id);
      return EraseExtra(record, rowKind, index);
    }
  }
}
