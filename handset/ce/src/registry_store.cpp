#include "registry_store.h"

#include <sys/stat.h>

#include <cerrno>

#include "ce/device.h"

namespace ce::registry {
namespace {

constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=NORMAL;"
    "CREATE TABLE IF NOT EXISTS reg_keys(folded TEXT PRIMARY KEY, path TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS reg_values(key TEXT NOT NULL, folded TEXT NOT NULL, name TEXT NOT NULL,"
    " type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(key, folded)) WITHOUT ROWID;"
    "INSERT OR IGNORE INTO reg_keys(folded, path) VALUES('hkey_classes_root', 'HKEY_CLASSES_ROOT'),"
    " ('hkey_current_user', 'HKEY_CURRENT_USER'), ('hkey_local_machine', 'HKEY_LOCAL_MACHINE'),"
    " ('hkey_users', 'HKEY_USERS');";

// Everything under a key sorts between "<key>\" and "<key>]" ('\' is 0x5C,
// ']' is 0x5D), which spares escaping LIKE patterns.
constexpr const char* kDeleteKeys = "DELETE FROM reg_keys WHERE folded=?1 OR (folded>?1||'\\' AND folded<?1||']')";
constexpr const char* kDeleteValues = "DELETE FROM reg_values WHERE key=?1 OR (key>?1||'\\' AND key<?1||']')";

bool IsRootKey(const std::string& folded) {
  return folded == "hkey_classes_root" || folded == "hkey_current_user" || folded == "hkey_local_machine" ||
         folded == "hkey_users";
}

void ResetRegistry() { RegistryStore::Instance().Close(); }

struct Statement {
  sqlite3_stmt* statement = nullptr;
  ~Statement() { sqlite3_finalize(statement); }
};

}  // namespace

RegistryStore& RegistryStore::Instance() {
  static RegistryStore* store = [] {
    OnDeviceRootReset(ResetRegistry);
    return new RegistryStore;  // lives for the process; its connection closes with it
  }();
  return *store;
}

void RegistryStore::Close() {
  std::lock_guard lock(mutex_);
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

// Reading a registry that was never written finds nothing, without
// creating the file.
bool RegistryStore::Absent() {
  if (db_) return false;
  struct stat st{};
  return stat((DeviceRoot() / "registry.db").c_str(), &st) != 0 && errno == ENOENT;
}

bool RegistryStore::Open() {
  if (db_) return true;
  std::error_code ignored;
  std::filesystem::create_directories(DeviceRoot(), ignored);
  std::string path = (DeviceRoot() / "registry.db").string();
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    return false;
  }
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  if (sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    return false;
  }
  return true;
}

// Runs one statement with text parameters ?1.. and, if given, the value's
// type and data as the two parameters after them.
LONG RegistryStore::Run(const char* sql, const std::vector<std::string>& texts, const Value* value, int* changes) {
  Statement s;
  if (sqlite3_prepare_v2(db_, sql, -1, &s.statement, nullptr) != SQLITE_OK) return ERROR_BADDB;
  int index = 1;
  for (const std::string& text : texts)
    sqlite3_bind_text(s.statement, index++, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  if (value) {
    sqlite3_bind_int64(s.statement, index++, value->type);
    sqlite3_bind_blob(s.statement, index++, value->data.data(), static_cast<int>(value->data.size()), SQLITE_TRANSIENT);
  }
  if (sqlite3_step(s.statement) != SQLITE_DONE) return ERROR_BADDB;
  if (changes) *changes = sqlite3_changes(db_);
  return ERROR_SUCCESS;
}

bool RegistryStore::HasKey(const std::string& folded, bool& failed) {
  Statement s;
  failed = sqlite3_prepare_v2(db_, "SELECT 1 FROM reg_keys WHERE folded=?1", -1, &s.statement, nullptr) != SQLITE_OK;
  if (failed) return false;
  sqlite3_bind_text(s.statement, 1, folded.data(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
  int step = sqlite3_step(s.statement);
  failed = step != SQLITE_ROW && step != SQLITE_DONE;
  return step == SQLITE_ROW;
}

template <typename Work>
LONG RegistryStore::Transact(Work work) {
  if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return ERROR_BADDB;
  LONG result = work();
  if (result == ERROR_SUCCESS && sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return result;
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  return result == ERROR_SUCCESS ? ERROR_BADDB : result;
}

LONG RegistryStore::KeyExists(const std::string& folded, bool& exists) {
  std::lock_guard lock(mutex_);
  if (Absent()) {
    exists = IsRootKey(folded);
    return ERROR_SUCCESS;
  }
  if (!Open()) return ERROR_BADDB;
  bool failed = false;
  exists = HasKey(folded, failed);
  return failed ? ERROR_BADDB : ERROR_SUCCESS;
}

LONG RegistryStore::CreateKey(const std::vector<std::string>& paths, const std::vector<std::string>& folded,
                              bool& created) {
  std::lock_guard lock(mutex_);
  if (!Open()) return ERROR_BADDB;
  int changes = 0;
  LONG result = Transact([&]() -> LONG {
    LONG step = ERROR_SUCCESS;
    for (size_t i = 0; i < paths.size() && step == ERROR_SUCCESS; ++i)
      step = Run("INSERT OR IGNORE INTO reg_keys(folded, path) VALUES(?1, ?2)", {folded[i], paths[i]}, nullptr, &changes);
    return step;
  });
  created = changes > 0;
  return result;
}

LONG RegistryStore::DeleteKeyTree(const std::string& folded) {
  std::lock_guard lock(mutex_);
  if (!Open()) return ERROR_BADDB;
  return Transact([&]() -> LONG {
    int changes = 0;
    LONG result = Run(kDeleteKeys, {folded}, nullptr, &changes);
    if (result != ERROR_SUCCESS) return result;
    return changes == 0 ? ERROR_FILE_NOT_FOUND : Run(kDeleteValues, {folded});
  });
}

LONG RegistryStore::GetValue(const std::string& key, const std::string& name, Value& value, bool& found) {
  std::lock_guard lock(mutex_);
  found = false;
  if (Absent()) return ERROR_SUCCESS;
  if (!Open()) return ERROR_BADDB;
  Statement s;
  const char* sql = "SELECT type, data FROM reg_values WHERE key=?1 AND folded=?2";
  if (sqlite3_prepare_v2(db_, sql, -1, &s.statement, nullptr) != SQLITE_OK) return ERROR_BADDB;
  sqlite3_bind_text(s.statement, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
  sqlite3_bind_text(s.statement, 2, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  int step = sqlite3_step(s.statement);
  if (step == SQLITE_DONE) {
    found = false;
    return ERROR_SUCCESS;
  }
  if (step != SQLITE_ROW) return ERROR_BADDB;
  found = true;
  value.type = static_cast<DWORD>(sqlite3_column_int64(s.statement, 0));
  const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(s.statement, 1));
  int size = sqlite3_column_bytes(s.statement, 1);
  value.data.assign(bytes, bytes + (bytes ? size : 0));
  return ERROR_SUCCESS;
}

LONG RegistryStore::SetValue(const std::string& key, const std::string& name, const std::string& shownName,
                             const Value& value) {
  std::lock_guard lock(mutex_);
  if (!Open()) return ERROR_BADDB;
  return Transact([&]() -> LONG {
    // The key may have been deleted by another process since it was opened.
    bool failed = false;
    if (!HasKey(key, failed)) return failed ? ERROR_BADDB : ERROR_KEY_DELETED;
    return Run("INSERT OR REPLACE INTO reg_values(key, folded, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5)",
               {key, name, shownName}, &value);
  });
}

LONG RegistryStore::DeleteValue(const std::string& key, const std::string& name, bool& found) {
  std::lock_guard lock(mutex_);
  if (!Open()) return ERROR_BADDB;
  int changes = 0;
  LONG result = Run("DELETE FROM reg_values WHERE key=?1 AND folded=?2", {key, name}, nullptr, &changes);
  found = changes > 0;
  return result;
}

}  // namespace ce::registry
