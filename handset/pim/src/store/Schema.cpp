#include "store/Schema.h"

#include <string>

namespace qzpam {
namespace {

// Version 1. Identifiers use AUTOINCREMENT so that an identifier, once handed
// out, never names another record after a deletion (windows keep them).
// Every table of contact data bumps the "contacts" counter, the call log the
// "calls" counter, so that any process sees any other's changes.
const char kVersion1[] = R"sql(
CREATE TABLE counters(name TEXT PRIMARY KEY, value INTEGER NOT NULL) WITHOUT ROWID;
INSERT INTO counters VALUES('contacts', 0), ('calls', 0);

CREATE TABLE contacts(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  last_name TEXT NOT NULL DEFAULT '',
  first_name TEXT NOT NULL DEFAULT '',
  file_as TEXT NOT NULL DEFAULT '',
  company TEXT NOT NULL DEFAULT '',
  birthday TEXT NOT NULL DEFAULT '',
  note TEXT NOT NULL DEFAULT '',
  ring_path TEXT NOT NULL DEFAULT '',
  photo BLOB,
  display_name TEXT NOT NULL DEFAULT '',
  sort_group INTEGER NOT NULL DEFAULT 1,
  sort_key BLOB NOT NULL DEFAULT x'',
  letter TEXT NOT NULL DEFAULT '#',
  pinyin TEXT NOT NULL DEFAULT '',
  initials TEXT NOT NULL DEFAULT '',
  detail TEXT NOT NULL DEFAULT '',
  detail_type INTEGER NOT NULL DEFAULT 0);
CREATE INDEX contacts_order ON contacts(sort_group, sort_key, id);

CREATE TABLE phones(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,
  value TEXT NOT NULL,
  type INTEGER NOT NULL DEFAULT 0,
  is_primary INTEGER NOT NULL DEFAULT 0,
  match_key TEXT NOT NULL,
  match_tail TEXT NOT NULL);
CREATE INDEX phones_contact ON phones(contact_id);
CREATE INDEX phones_tail ON phones(match_tail);

CREATE TABLE extras(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,
  category INTEGER NOT NULL,
  value TEXT NOT NULL,
  type INTEGER NOT NULL DEFAULT 0);
CREATE INDEX extras_contact ON extras(contact_id, category);
CREATE INDEX extras_value ON extras(category, value COLLATE NOCASE);

CREATE TABLE addresses(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,
  street TEXT NOT NULL DEFAULT '',
  postcode TEXT NOT NULL DEFAULT '',
  city TEXT NOT NULL DEFAULT '',
  province TEXT NOT NULL DEFAULT '',
  country TEXT NOT NULL DEFAULT '',
  type INTEGER NOT NULL DEFAULT 0);
CREATE INDEX addresses_contact ON addresses(contact_id);

CREATE TABLE groups(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE);
-- Group 1 (kBlacklistGroup) is the blacklist; windows single it out by that identifier.
INSERT INTO groups(id, name) VALUES(1, '_$!<Blacklist>!$_');

CREATE TABLE memberships(
  group_id INTEGER NOT NULL REFERENCES groups(id) ON DELETE CASCADE,
  contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,
  PRIMARY KEY(group_id, contact_id)) WITHOUT ROWID;
CREATE INDEX memberships_contact ON memberships(contact_id, group_id);

CREATE TABLE calls(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  number TEXT NOT NULL,
  time INTEGER NOT NULL,
  value INTEGER NOT NULL,
  type INTEGER NOT NULL,
  match_key TEXT NOT NULL);
CREATE INDEX calls_time ON calls(time, id);
CREATE INDEX calls_thread ON calls(match_key, time, id);
CREATE INDEX calls_missed ON calls(type, time, id);

CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE speed_dial(
  entry INTEGER PRIMARY KEY CHECK(entry BETWEEN 1 AND 9),
  flag INTEGER NOT NULL DEFAULT 0,
  name TEXT NOT NULL DEFAULT '',
  number TEXT NOT NULL DEFAULT '');
)sql";

std::string CounterTriggers(const char* table, const char* counter) {
  std::string sql;
  for (const char* event : {"INSERT", "UPDATE", "DELETE"}) {
    sql += std::string("CREATE TRIGGER ") + table + "_" + event + "_counts AFTER " + event + " ON " + table +
           " BEGIN UPDATE counters SET value = value + 1 WHERE name = '" + counter + "'; END;\n";
  }
  return sql;
}

std::string Version1() {
  std::string sql = kVersion1;
  for (const char* table : {"contacts", "phones", "extras", "addresses", "groups", "memberships"})
    sql += CounterTriggers(table, "contacts");
  sql += CounterTriggers("calls", "calls");
  return sql;
}

// Version 2, for speed at tens of thousands of contacts:
//  - Photos move to a table of their own, so that the contact rows that the
//    lists and the number lookups read stay small.
//  - contact_log records which contacts changed in what the lists show (the
//    contact's own listed columns and its numbers), so that a process
//    re-reads only those instead of every contact. Only the latest entries
//    are kept (see kContactLogKept).
//  - Number lookups find their candidates in one covering index.
const char kVersion2[] = R"sql(
CREATE TABLE photos(
  contact_id INTEGER PRIMARY KEY REFERENCES contacts(id) ON DELETE CASCADE,
  data BLOB NOT NULL);
INSERT INTO photos(contact_id, data) SELECT id, photo FROM contacts WHERE length(photo) > 0;
ALTER TABLE contacts DROP COLUMN photo;

CREATE TABLE contact_log(seq INTEGER PRIMARY KEY AUTOINCREMENT, contact_id INTEGER NOT NULL);
CREATE TRIGGER contacts_INSERT_log AFTER INSERT ON contacts
  BEGIN INSERT INTO contact_log(contact_id) VALUES(NEW.id); END;
CREATE TRIGGER contacts_UPDATE_log
  AFTER UPDATE OF display_name, detail, detail_type, letter, pinyin, initials, sort_group, sort_key ON contacts
  BEGIN INSERT INTO contact_log(contact_id) VALUES(NEW.id); END;
CREATE TRIGGER contacts_DELETE_log AFTER DELETE ON contacts
  BEGIN INSERT INTO contact_log(contact_id) VALUES(OLD.id); END;
CREATE TRIGGER phones_INSERT_log AFTER INSERT ON phones
  BEGIN INSERT INTO contact_log(contact_id) VALUES(NEW.contact_id); END;
CREATE TRIGGER phones_UPDATE_log AFTER UPDATE OF contact_id, value, type ON phones
  BEGIN
    INSERT INTO contact_log(contact_id) VALUES(NEW.contact_id);
    INSERT INTO contact_log(contact_id) SELECT OLD.contact_id WHERE OLD.contact_id <> NEW.contact_id;
  END;
CREATE TRIGGER phones_DELETE_log AFTER DELETE ON phones
  BEGIN INSERT INTO contact_log(contact_id) VALUES(OLD.contact_id); END;

DROP INDEX phones_tail;
CREATE INDEX phones_lookup ON phones(match_tail, match_key, is_primary, contact_id, type);
)sql";

std::string Version2() {
  std::string sql = kVersion2;
  sql += "CREATE TRIGGER contact_log_trim AFTER INSERT ON contact_log BEGIN DELETE FROM contact_log WHERE seq <= NEW.seq - " +
         std::to_string(kContactLogKept) + "; END;\n";
  sql += CounterTriggers("photos", "contacts");
  return sql;
}

// Each step brings a database from the version before it to its own.
std::string Step(int version) {
  switch (version) {
    case 1: return Version1();
    case 2: return Version2();
    default: return std::string();
  }
}

int QueryInt(sqlite3* db, const char* sql, bool* ok) {
  sqlite3_stmt* stmt = nullptr;
  int value = 0;
  *ok = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
  if (*ok) {
    int rc = sqlite3_step(stmt);
    *ok = rc == SQLITE_ROW || rc == SQLITE_DONE;
    if (rc == SQLITE_ROW) value = sqlite3_column_int(stmt, 0);
  }
  sqlite3_finalize(stmt);
  return value;
}

SchemaCheck Inspect(sqlite3* db, int* version) {
  bool ok = false;
  *version = QueryInt(db, "PRAGMA user_version", &ok);
  if (!ok) return SchemaCheck::Unreadable;
  int tables = QueryInt(db, "SELECT count(*) FROM sqlite_master", &ok);
  if (!ok) return SchemaCheck::Unreadable;
  int appId = QueryInt(db, "PRAGMA application_id", &ok);
  if (!ok) return SchemaCheck::Unreadable;
  if (tables > 0 && appId != kApplicationId) return SchemaCheck::Foreign;
  if (*version > kSchemaVersion) return SchemaCheck::Newer;
  return SchemaCheck::Ready;
}

}  // namespace

bool UpgradeSchema(sqlite3* db, int fromVersion, int toVersion) {
  for (int version = fromVersion + 1; version <= toVersion; ++version) {
    std::string sql = Step(version);
    if (sql.empty() || sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return false;
  }
  return true;
}

SchemaCheck PrepareSchema(sqlite3* db, int* foundVersion) {
  SchemaCheck check = Inspect(db, foundVersion);
  if (check != SchemaCheck::Ready || *foundVersion == kSchemaVersion) return check;

  if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return SchemaCheck::Unreadable;
  // Another process may have prepared it while we waited for the lock.
  check = Inspect(db, foundVersion);
  bool ok = check == SchemaCheck::Ready;
  if (ok) ok = UpgradeSchema(db, *foundVersion, kSchemaVersion);
  if (ok && *foundVersion != kSchemaVersion) {
    std::string pragmas = "PRAGMA user_version = " + std::to_string(kSchemaVersion) +
                          "; PRAGMA application_id = " + std::to_string(kApplicationId) + ";";
    ok = sqlite3_exec(db, pragmas.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  if (ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return SchemaCheck::Ready;
  sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  return check == SchemaCheck::Ready ? SchemaCheck::Unreadable : check;
}

}  // namespace qzpam
