#include "contacts/ContactRows.h"

#include "match/MatchKeys.h"
#include "text/NameReading.h"

namespace qzpam {
namespace {

// The name lists show: the record's file-as name, else the one the record
// itself would build from the names and company.
std::wstring DisplayName(const CContactInfo& record) {
  if (!record.fileAs.empty()) return std::wstring(record.fileAs.view());
  CContactInfo named;
  named.UpdateNameInfo(record.lastName, record.firstName, record.company);
  return std::wstring(named.fileAs.view());
}

}  // namespace

bool ContactRows::Exists(Store& store, int contactId) {
  if (contactId <= 0) return false;
  Statement stmt = store.Prepare("SELECT 1 FROM contacts WHERE id = ?");
  return stmt.Bind(1, contactId).Step() == SQLITE_ROW;
}

int ContactRows::InsertContact(Store& store, const CContactInfo& record) {
  Statement stmt = store.Prepare("INSERT INTO contacts(birthday, note, ring_path) VALUES(?, ?, ?)");
  stmt.Bind(1, record.birthday.view()).Bind(2, record.note.view()).Bind(3, record.ringPath.view());
  if (!stmt.Run()) return 0;
  int id = static_cast<int>(store.LastInsertId());
  if (record.photoData && record.photoLength > 0 && !SetPhoto(store, id, record.photoData.get(), record.photoLength))
    return 0;
  return WriteNames(store, id, record) ? id : 0;
}

bool ContactRows::SetPhoto(Store& store, int contactId, const unsigned char* bytes, int length) {
  if (!bytes || length <= 0) {
    Statement stmt = store.Prepare("DELETE FROM photos WHERE contact_id = ?");
    return stmt.Bind(1, contactId).Run();
  }
  Statement stmt = store.Prepare(
      "INSERT INTO photos(contact_id, data) VALUES(?1, ?2) ON CONFLICT(contact_id) DO UPDATE SET data = ?2");
  return stmt.Bind(1, contactId).BindBlob(2, bytes, length).Run();
}

bool ContactRows::WriteNames(Store& store, int contactId, const CContactInfo& record) {
  std::wstring name = DisplayName(record);
  NameReading reading = NameReading::Of(name);
  Statement stmt = store.Prepare(
      "UPDATE contacts SET last_name = ?, first_name = ?, company = ?, file_as = ?, display_name = ?,"
      " sort_group = ?, sort_key = ?, letter = ?, pinyin = ?, initials = ? WHERE id = ?");
  std::wstring letter(1, reading.letter);
  stmt.Bind(1, record.lastName.view()).Bind(2, record.firstName.view()).Bind(3, record.company.view());
  stmt.Bind(4, record.fileAs.view()).Bind(5, std::wstring_view(name)).Bind(6, reading.letter == L'#' ? 1 : 0);
  stmt.BindBlob(7, reading.sortKey.data(), static_cast<int>(reading.sortKey.size()));
  stmt.Bind(8, std::wstring_view(letter)).Bind(9, std::string_view(reading.reading));
  stmt.Bind(10, std::string_view(reading.initials)).Bind(11, contactId);
  return stmt.Run() && store.Changes() == 1;
}

int ContactRows::InsertPhone(Store& store, int contactId, std::wstring_view number, int type, int primary) {
  std::string key = MatchKeys::Matcher(store).Key(number);
  Statement stmt = store.Prepare(
      "INSERT INTO phones(contact_id, value, type, is_primary, match_key, match_tail) VALUES(?, ?, ?, 0, ?, ?)");
  stmt.Bind(1, contactId).Bind(2, number).Bind(3, type).Bind(4, std::string_view(key));
  stmt.Bind(5, std::string_view(NumberMatcher::Tail(key)));
  if (!stmt.Run()) return 0;
  int entryId = static_cast<int>(store.LastInsertId());
  if (primary == 1 && !SetPrimary(store, entryId, 1)) return 0;
  return RefreshDetail(store, contactId) ? entryId : 0;
}

bool ContactRows::UpdatePhone(Store& store, int entryId, std::wstring_view number, int type, int primary) {
  int contactId = PhoneOwner(store, entryId);
  if (contactId == 0) return false;
  std::string key = MatchKeys::Matcher(store).Key(number);
  Statement stmt = store.Prepare("UPDATE phones SET value = ?, type = ?, match_key = ?, match_tail = ? WHERE id = ?");
  stmt.Bind(1, number).Bind(2, type).Bind(3, std::string_view(key));
  stmt.Bind(4, std::string_view(NumberMatcher::Tail(key))).Bind(5, entryId);
  return stmt.Run() && SetPrimary(store, entryId, primary);
}

bool ContactRows::SetPrimary(Store& store, int entryId, int primary) {
  int contactId = PhoneOwner(store, entryId);
  if (contactId == 0) return false;
  if (primary == 1) {
    Statement clear = store.Prepare(
        "UPDATE phones SET is_primary = 0 WHERE contact_id = ? AND id <> ? AND is_primary <> 0");
    if (!clear.Bind(1, contactId).Bind(2, entryId).Run()) return false;
  }
  Statement set = store.Prepare("UPDATE phones SET is_primary = ? WHERE id = ? AND is_primary <> ?");
  if (!set.Bind(1, primary == 1 ? 1 : 0).Bind(2, entryId).Bind(3, primary == 1 ? 1 : 0).Run()) return false;
  return RefreshDetail(store, contactId);
}

bool ContactRows::RefreshDetail(Store& store, int contactId) {
  std::string number;
  int type = 0;
  {
    Statement shown = store.Prepare(
        "SELECT value, type FROM phones WHERE contact_id = ? ORDER BY is_primary DESC, id LIMIT 1");
    if (shown.Bind(1, contactId).Step() == SQLITE_ROW) {
      number = shown.Utf8(0);
      type = shown.Int(1);
    }
  }
  // Written only when it differs, so that the change counter moves only for
  // a real change.
  Statement stmt = store.Prepare(
      "UPDATE contacts SET detail = ?1, detail_type = ?2 WHERE id = ?3 AND (detail <> ?1 OR detail_type <> ?2)");
  return stmt.Bind(1, std::string_view(number)).Bind(2, type).Bind(3, contactId).Run();
}

int ContactRows::PhoneOwner(Store& store, int entryId) {
  if (entryId <= 0) return 0;
  Statement stmt = store.Prepare("SELECT contact_id FROM phones WHERE id = ?");
  return stmt.Bind(1, entryId).Step() == SQLITE_ROW ? stmt.Int(0) : 0;
}

int ContactRows::InsertExtra(Store& store, int contactId, int category, std::wstring_view value, int type) {
  Statement stmt = store.Prepare("INSERT INTO extras(contact_id, category, value, type) VALUES(?, ?, ?, ?)");
  stmt.Bind(1, contactId).Bind(2, category).Bind(3, value).Bind(4, type);
  return stmt.Run() ? static_cast<int>(store.LastInsertId()) : 0;
}

int ContactRows::InsertAddress(Store& store, int contactId, const st_address_Info& a) {
  Statement stmt = store.Prepare(
      "INSERT INTO addresses(contact_id, street, postcode, city, province, country, type)"
      " VALUES(?, ?, ?, ?, ?, ?, ?)");
  stmt.Bind(1, contactId).Bind(2, a.street.view()).Bind(3, a.postcode.view()).Bind(4, a.city.view());
  stmt.Bind(5, a.province.view()).Bind(6, a.country.view()).Bind(7, a.type);
  return stmt.Run() ? static_cast<int>(store.LastInsertId()) : 0;
}

int ContactRows::EnsureGroup(Store& store, std::wstring_view name) {
  if (name.empty()) return 0;
  Statement find = store.Prepare("SELECT id FROM groups WHERE name = ?");
  if (find.Bind(1, name).Step() == SQLITE_ROW) return find.Int(0);
  Statement add = store.Prepare("INSERT INTO groups(name) VALUES(?)");
  return add.Bind(1, name).Run() ? static_cast<int>(store.LastInsertId()) : 0;
}

bool ContactRows::GroupExists(Store& store, int groupId) {
  if (groupId <= 0) return false;
  Statement stmt = store.Prepare("SELECT 1 FROM groups WHERE id = ?");
  return stmt.Bind(1, groupId).Step() == SQLITE_ROW;
}

bool ContactRows::Join(Store& store, int contactId, int groupId) {
  Statement stmt = store.Prepare("INSERT OR IGNORE INTO memberships(group_id, contact_id) VALUES(?, ?)");
  return stmt.Bind(1, groupId).Bind(2, contactId).Run();
}

}  // namespace qzpam
