// The lookups of CContactsDbIf: who owns a number or address, a whole
// contact, and group questions.
#include <vector>

#include "contacts/ContactsDbState.h"
#include "contacts/CountingKinds.h"
#include "contacts/PhoneLookup.h"
#include "match/MatchKeys.h"
#include "qzpam/CContactsDbIf.h"
#include "store/Schema.h"
#include "store/StoreAccess.h"

using namespace qzpam;

namespace {

// The photo that SearchPN hands out stays here until the thread's next call.
thread_local std::vector<unsigned char> t_searchPhoto;

// A phone number or other value from a row whose first columns are id,
// value and type.
st_contacts_extra ValueEntryOf(const Statement& stmt) {
  st_contacts_extra entry;
  entry.id = stmt.Int(0);
  Assign(entry.value, stmt.Text(1));
  entry.type = stmt.Int(2);
  return entry;
}

}  // namespace

int CContactsDbIf::SearchPN(const wchar_t* number, qzu::string* name, int* type, qzu::string* ringPath,
                            unsigned char** photo, int* photoLength, int* entryId) {
  if (!number || !*number) return 0;
  return WithStore(0, [&](Store& store) {
    const NumberMatcher matcher = MatchKeys::Matcher(store);
    PhoneOwner owner = PhoneLookup::Find(store, matcher, matcher.Key(number));
    if (owner.contactId == 0) return 0;
    if (ringPath || photo || photoLength) {
      Statement stmt = store.Prepare(
          "SELECT c.ring_path, p.data FROM contacts c LEFT JOIN photos p ON p.contact_id = c.id WHERE c.id = ?");
      if (stmt.Bind(1, owner.contactId).Step() != SQLITE_ROW) return 0;
      if (ringPath) Assign(*ringPath, stmt.Text(0));
      const auto* bytes = static_cast<const unsigned char*>(stmt.Blob(1));
      t_searchPhoto.assign(bytes, bytes + (bytes ? stmt.BlobSize(1) : 0));
      if (photo) *photo = t_searchPhoto.empty() ? nullptr : t_searchPhoto.data();
      if (photoLength) *photoLength = static_cast<int>(t_searchPhoto.size());
    }
    if (name) Assign(*name, owner.name);
    if (type) *type = owner.type;
    if (entryId) *entryId = owner.entryId;
    return owner.contactId;
  });
}

int CContactsDbIf::SearchEmail(const wchar_t* address, qzu::string& name, int& type) {
  if (!address || !*address) return 0;
  return WithStore(0, [&](Store& store) {
    Statement stmt = store.Prepare(
        "SELECT c.id, c.display_name, e.type FROM extras e JOIN contacts c ON c.id = e.contact_id"
        " WHERE e.category = 1 AND e.value = ? COLLATE NOCASE ORDER BY c.id, e.id LIMIT 1");
    if (stmt.Bind(1, std::wstring_view(address)).Step() != SQLITE_ROW) return 0;
    Assign(name, stmt.Text(1));
    type = stmt.Int(2);
    return stmt.Int(0);
  });
}

bool CContactsDbIf::GetContactInfo(int id, CContactInfo& record, bool withoutPhoto) {
  if (id <= 0) return false;
  return WithStore(false, [&](Store& store) {
    CContactInfo found;
    {
      Statement stmt = store.Prepare(
          "SELECT c.last_name, c.first_name, c.file_as, c.company, c.birthday, c.note, c.ring_path,"
          " CASE WHEN ?2 THEN NULL ELSE p.data END, c.display_name"
          " FROM contacts c LEFT JOIN photos p ON p.contact_id = c.id WHERE c.id = ?1");
      if (stmt.Bind(1, id).Bind(2, withoutPhoto ? 1 : 0).Step() != SQLITE_ROW) return false;
      Assign(found.lastName, stmt.Text(0));
      Assign(found.firstName, stmt.Text(1));
      Assign(found.fileAs, stmt.Text(2));
      Assign(found.company, stmt.Text(3));
      Assign(found.birthday, stmt.Text(4));
      Assign(found.note, stmt.Text(5));
      Assign(found.ringPath, stmt.Text(6));
      if (!withoutPhoto) found.SetPhoto(static_cast<const unsigned char*>(stmt.Blob(7)), stmt.BlobSize(7));
      if (found.fileAs.empty()) Assign(found.fileAs, stmt.Text(8));
    }
    found.contactId = id;
    {
      Statement stmt = store.Prepare("SELECT id, value, type, is_primary FROM phones WHERE contact_id = ? ORDER BY id");
      stmt.Bind(1, id);
      while (stmt.Step() == SQLITE_ROW) {
        st_contacts_extra phone = ValueEntryOf(stmt);
        phone.primary = stmt.Int(3);
        found.phoneNumbers.add(std::move(phone));
      }
    }
    {
      Statement stmt = store.Prepare("SELECT id, value, type, category FROM extras WHERE contact_id = ? ORDER BY id");
      stmt.Bind(1, id);
      while (stmt.Step() == SQLITE_ROW) {
        switch (stmt.Int(3)) {
          case EXTRA_EMAIL: found.emails.add(ValueEntryOf(stmt)); break;
          case EXTRA_MSN: found.msnAccounts.add(ValueEntryOf(stmt)); break;
          case EXTRA_QQ: found.qqNumbers.add(ValueEntryOf(stmt)); break;
          case EXTRA_WEB_PAGE: found.webPages.add(ValueEntryOf(stmt)); break;
          default: break;
        }
      }
    }
    {
      Statement stmt = store.Prepare(
          "SELECT id, street, postcode, city, province, country, type FROM addresses WHERE contact_id = ? ORDER BY id");
      stmt.Bind(1, id);
      while (stmt.Step() == SQLITE_ROW) {
        st_address_Info address;
        address.id = stmt.Int(0);
        Assign(address.street, stmt.Text(1));
        Assign(address.postcode, stmt.Text(2));
        Assign(address.city, stmt.Text(3));
        Assign(address.province, stmt.Text(4));
        Assign(address.country, stmt.Text(5));
        address.type = stmt.Int(6);
        found.addresses.add(std::move(address));
      }
    }
    {
      Statement stmt = store.Prepare(
          "SELECT g.id, g.name FROM memberships m JOIN groups g ON g.id = m.group_id WHERE m.contact_id = ?"
          " ORDER BY g.id");
      stmt.Bind(1, id);
      while (stmt.Step() == SQLITE_ROW) {
        qzu::string name;
        Assign(name, stmt.Text(1));
        found.categories.add(std::move(name));
        found.categoryIds.add(stmt.Int(0));
      }
    }
    record = std::move(found);
    return true;
  });
}

bool CContactsDbIf::IsContactInBlacklist(int contactId) { return IsContactInGroup(contactId, kBlacklistGroup); }

bool CContactsDbIf::IsContactInGroup(int contactId, int groupId) {
  if (contactId <= 0 || groupId <= 0) return false;
  return WithStore(false, [&](Store& store) {
    Statement stmt = store.Prepare("SELECT 1 FROM memberships WHERE group_id = ? AND contact_id = ?");
    return stmt.Bind(1, groupId).Bind(2, contactId).Step() == SQLITE_ROW;
  });
}

int CContactsDbIf::GetGroupID(const qzu::string& name) {
  if (name.empty()) return 0;
  return WithStore(0, [&](Store& store) {
    Statement stmt = store.Prepare("SELECT id FROM groups WHERE name = ?");
    return stmt.Bind(1, name.view()).Step() == SQLITE_ROW ? stmt.Int(0) : 0;
  });
}

int CContactsDbIf::GetGroupContactsCount(int groupId, int countingKind) {
  if (groupId <= 0 || !ValidCountingKind(countingKind)) return 0;
  return WithStore(0, [&](Store& store) {
    Statement stmt = store.Prepare(
        "SELECT count(*) FROM memberships m JOIN contacts c ON c.id = m.contact_id WHERE m.group_id = ?1"
        QZPAM_COUNTS_BY_KIND("c.id"));
    return stmt.Bind(1, groupId).Bind(2, countingKind).Step() == SQLITE_ROW ? stmt.Int(0) : 0;
  });
}

int CContactsDbIf::GetUngroupContactsCount(int countingKind) {
  if (!ValidCountingKind(countingKind)) return 0;
  return WithStore(0, [&](Store& store) {
    Statement stmt = store.Prepare(
        "SELECT count(*) FROM contacts c WHERE"
        " NOT EXISTS(SELECT 1 FROM memberships m WHERE m.contact_id = c.id)" QZPAM_COUNTS_BY_KIND("c.id"));
    return stmt.Bind(2, countingKind).Step() == SQLITE_ROW ? stmt.Int(0) : 0;
  });
}

bool CContactsDbIf::IsGroupPNExist(int groupId) {
  return groupId > 0 ? GetGroupContactsCount(groupId, COUNT_MEMBERS_WITH_NUMBER) > 0
                     : groupId == 0 && GetUngroupContactsCount(COUNT_MEMBERS_WITH_NUMBER) > 0;
}

bool CContactsDbIf::IsGroupEmailExist(int groupId) {
  return groupId > 0 ? GetGroupContactsCount(groupId, COUNT_MEMBERS_WITH_EMAIL) > 0
                     : groupId == 0 && GetUngroupContactsCount(COUNT_MEMBERS_WITH_EMAIL) > 0;
}
