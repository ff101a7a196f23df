// The changes of CContactsDbIf to contacts and their entries. Each call is
// one write transaction: it is stored whole or not at all.
#include "contacts/ContactRows.h"
#include "qzpam/CContactsDbIf.h"
#include "store/StoreAccess.h"

using namespace qzpam;

namespace {

// Sets one text column of a contact; the column name is a constant of ours.
bool SetContactText(const char* sql, int id, const qzu::string& text) {
  if (id <= 0) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare(sql);
    return stmt.Bind(1, text.view()).Bind(2, id).Run() && store.Changes() == 1;
  });
}

bool ValidExtraCategory(int category) { return category >= EXTRA_EMAIL && category <= EXTRA_WEB_PAGE; }

bool AddExtras(Store& store, int contactId, int category, const qzu::array<st_contacts_extra>& values) {
  for (const st_contacts_extra& value : values)
    if (!value.value.empty() && !ContactRows::InsertExtra(store, contactId, category, value.value.view(), value.type))
      return false;
  return true;
}

bool SetPhoto(const CContactInfo& record, bool remove) {
  if (record.contactId <= 0) return false;
  if (!remove && (!record.photoData || record.photoLength <= 0)) return false;
  return WriteToStore([&](Store& store) {
    return ContactRows::Exists(store, record.contactId) &&
           ContactRows::SetPhoto(store, record.contactId, remove ? nullptr : record.photoData.get(),
                                 remove ? 0 : record.photoLength);
  });
}

}  // namespace

int CContactsDbIf::AddContact(const CContactInfo& record) {
  bool nameless = record.fileAs.empty() && record.lastName.empty() && record.firstName.empty() &&
                  record.company.empty();
  if (nameless && record.phoneNumbers.empty() && record.emails.empty()) return 0;
  int id = 0;
  bool stored = WriteToStore([&](Store& store) {
    id = ContactRows::InsertContact(store, record);
    if (id == 0) return false;
    for (const st_contacts_extra& phone : record.phoneNumbers)
      if (!phone.value.empty() && !ContactRows::InsertPhone(store, id, phone.value.view(), phone.type, phone.primary))
        return false;
    if (!AddExtras(store, id, EXTRA_EMAIL, record.emails) || !AddExtras(store, id, EXTRA_MSN, record.msnAccounts) ||
        !AddExtras(store, id, EXTRA_QQ, record.qqNumbers) || !AddExtras(store, id, EXTRA_WEB_PAGE, record.webPages))
      return false;
    for (const st_address_Info& address : record.addresses)
      if (!ContactRows::InsertAddress(store, id, address)) return false;
    for (const qzu::string& category : record.categories) {
      int groupId = ContactRows::EnsureGroup(store, category.view());
      if (groupId > 0 && !ContactRows::Join(store, id, groupId)) return false;
    }
    for (int groupId : record.categoryIds)
      if (ContactRows::GroupExists(store, groupId) && !ContactRows::Join(store, id, groupId)) return false;
    return true;
  });
  return stored ? id : 0;
}

bool CContactsDbIf::RemoveContact(int id) {
  if (id <= 0) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("DELETE FROM contacts WHERE id = ?");
    return stmt.Bind(1, id).Run() && store.Changes() == 1;
  });
}

bool CContactsDbIf::UpdateName(const CContactInfo& record) {
  if (record.contactId <= 0) return false;
  return WriteToStore([&](Store& store) { return ContactRows::WriteNames(store, record.contactId, record); });
}

bool CContactsDbIf::UpdateNotes(int id, const qzu::string& note) {
  return SetContactText("UPDATE contacts SET note = ? WHERE id = ?", id, note);
}

bool CContactsDbIf::UpdateBirthday(int id, const qzu::string& birthday) {
  return SetContactText("UPDATE contacts SET birthday = ? WHERE id = ?", id, birthday);
}

bool CContactsDbIf::UpdateRingPath(int id, const qzu::string& path) {
  return SetContactText("UPDATE contacts SET ring_path = ? WHERE id = ?", id, path);
}

int CContactsDbIf::addPhones(int contactId, const st_contacts_extra& phone) {
  if (phone.value.empty()) return 0;
  int entryId = 0;
  bool stored = WriteToStore([&](Store& store) {
    if (!ContactRows::Exists(store, contactId)) return false;
    entryId = ContactRows::InsertPhone(store, contactId, phone.value.view(), phone.type, phone.primary);
    return entryId > 0;
  });
  return stored ? entryId : 0;
}

bool CContactsDbIf::UpdatePhones(const st_contacts_extra& phone) {
  if (phone.id <= 0 || phone.value.empty()) return false;
  return WriteToStore([&](Store& store) {
    return ContactRows::UpdatePhone(store, phone.id, phone.value.view(), phone.type, phone.primary);
  });
}

bool CContactsDbIf::UpdatePhones(const qzu::array<st_contacts_extra>& phones) {
  for (const st_contacts_extra& phone : phones)
    if (phone.id <= 0 || phone.value.empty()) return false;
  // A primary mark clears the others, so the marked entry is written last.
  return WriteToStore([&](Store& store) {
    for (int pass = 0; pass < 2; ++pass)
      for (const st_contacts_extra& phone : phones)
        if ((phone.primary == 1) == (pass == 1) &&
            !ContactRows::UpdatePhone(store, phone.id, phone.value.view(), phone.type, phone.primary))
          return false;
    return true;
  });
}

bool CContactsDbIf::RemovePhones(int entryId) {
  return WriteToStore([&](Store& store) {
    int contactId = ContactRows::PhoneOwner(store, entryId);
    if (contactId == 0) return false;
    Statement stmt = store.Prepare("DELETE FROM phones WHERE id = ?");
    return stmt.Bind(1, entryId).Run() && ContactRows::RefreshDetail(store, contactId);
  });
}

bool CContactsDbIf::UpdatePhonePrimary(int entryId, int primary) {
  return WriteToStore([&](Store& store) { return ContactRows::SetPrimary(store, entryId, primary); });
}

int CContactsDbIf::addExtraInfo(int contactId, int category, const st_contacts_extra& value) {
  if (!ValidExtraCategory(category) || value.value.empty()) return 0;
  int entryId = 0;
  bool stored = WriteToStore([&](Store& store) {
    if (!ContactRows::Exists(store, contactId)) return false;
    entryId = ContactRows::InsertExtra(store, contactId, category, value.value.view(), value.type);
    return entryId > 0;
  });
  return stored ? entryId : 0;
}

bool CContactsDbIf::UpdateExtraInfo(const st_contacts_extra& value) {
  if (value.id <= 0 || value.value.empty()) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("UPDATE extras SET value = ?, type = ? WHERE id = ?");
    return stmt.Bind(1, value.value.view()).Bind(2, value.type).Bind(3, value.id).Run() && store.Changes() == 1;
  });
}

bool CContactsDbIf::RemoveExtraInfo(int entryId) {
  if (entryId <= 0) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("DELETE FROM extras WHERE id = ?");
    return stmt.Bind(1, entryId).Run() && store.Changes() == 1;
  });
}

int CContactsDbIf::addAddress(int contactId, const st_address_Info& address) {
  int entryId = 0;
  bool stored = WriteToStore([&](Store& store) {
    if (!ContactRows::Exists(store, contactId)) return false;
    entryId = ContactRows::InsertAddress(store, contactId, address);
    return entryId > 0;
  });
  return stored ? entryId : 0;
}

bool CContactsDbIf::UpdateAddress(const st_address_Info& a) {
  if (a.id <= 0) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare(
        "UPDATE addresses SET street = ?, postcode = ?, city = ?, province = ?, country = ?, type = ? WHERE id = ?");
    stmt.Bind(1, a.street.view()).Bind(2, a.postcode.view()).Bind(3, a.city.view()).Bind(4, a.province.view());
    stmt.Bind(5, a.country.view()).Bind(6, a.type).Bind(7, a.id);
    return stmt.Run() && store.Changes() == 1;
  });
}

bool CContactsDbIf::RemoveAddress(int entryId) {
  if (entryId <= 0) return false;
  return WriteToStore([&](Store& store) {
    Statement stmt = store.Prepare("DELETE FROM addresses WHERE id = ?");
    return stmt.Bind(1, entryId).Run() && store.Changes() == 1;
  });
}

bool CContactsDbIf::AddPhoto(const CContactInfo& record) { return SetPhoto(record, false); }

bool CContactsDbIf::UpdatePhoto(const CContactInfo& record) { return SetPhoto(record, false); }

bool CContactsDbIf::RemovePhoto(const CContactInfo& record) { return SetPhoto(record, true); }
