#include "store/Store.h"

#include <atomic>
#include <string>
#include <system_error>

#include "ce/debug.h"
#include "store/Schema.h"
#include "ce/utf8.h"

namespace qzpam {
namespace {

constexpr int kBusyTimeoutMs = 10000;
// Each attempt already waits up to the busy timeout; this bounds the total.
constexpr int kWriteAttempts = 30;

bool IsBusy(int rc) { return (rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED; }

void Refuse(const std::filesystem::path& file, const std::wstring& reason, std::string* why) {
  NKDbgPrintfW(L"qzpam: contacts store %s not opened: %s", file.wstring().c_str(), reason.c_str());
  if (why) *why = ce::ToUtf8(reason);
}

}  // namespace

std::filesystem::path Store::FileUnder(const std::filesystem::path& root) { return root / "pim" / "contacts.db"; }

std::unique_ptr<Store> Store::Open(const std::filesystem::path& file, std::string* why) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                           nullptr);
  if (rc != SQLITE_OK) {
    Refuse(file, L"cannot open it: " + ce::FromUtf8(sqlite3_errstr(rc)), why);
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);

  int version = 0;
  SchemaCheck check = PrepareSchema(db, &version);
  if (check == SchemaCheck::Ready) {
    // journal_mode writes the file header, so it comes only after the file
    // proved to be ours.
    rc = sqlite3_exec(db,
                      "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON;"
                      " PRAGMA cache_size = -8000; PRAGMA temp_store = MEMORY;",
                      nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return std::unique_ptr<Store>(new Store(db));
    check = SchemaCheck::Unreadable;
  }
  switch (check) {
    case SchemaCheck::Newer:
      Refuse(file, L"its schema version " + std::to_wstring(version) + L" is newer than this library's " +
                       std::to_wstring(kSchemaVersion), why);
      break;
    case SchemaCheck::Foreign:
      Refuse(file, L"it is not a contacts database", why);
      break;
    default:
      Refuse(file, L"it is unreadable or damaged: " + ce::FromUtf8(sqlite3_errmsg(db)), why);
      break;
  }
  sqlite3_close(db);
  return nullptr;
}

Store::Store(sqlite3* db) : db_(db) {
  static std::atomic<uint64_t> openings{0};
  serial_ = ++openings;
  sqlite3_rollback_hook(db_, [](void* store) { ++static_cast<Store*>(store)->rollbacks_; }, this);
}

bool Store::InTransaction() const { return !sqlite3_get_autocommit(db_); }

Store::~Store() {
  for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  sqlite3_close(db_);
}

Statement Store::Prepare(const char* sql) {
  auto it = statements_.find(sql);
  if (it != statements_.end()) return Statement(it->second);
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
    NKDbgPrintfW(L"qzpam: cannot prepare a statement: %S", sqlite3_errmsg(db_));
    return Statement(nullptr);
  }
  statements_.emplace(sql, stmt);
  return Statement(stmt);
}

bool Store::Write(const std::function<bool()>& body, Durability durability) {
  if (InTransaction()) {
    if (sqlite3_exec(db_, "SAVEPOINT write", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    bool ok = body();
    if (!ok) sqlite3_exec(db_, "ROLLBACK TO write", nullptr, nullptr, nullptr);
    return sqlite3_exec(db_, "RELEASE write", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
  }
  // The connection syncs every commit; a crash-safe write skips the sync of
  // its own commit only.
  if (durability == Durability::CrashSafe) {
    if (!Prepare("PRAGMA synchronous = NORMAL").Run()) return false;
    bool ok = Commit(body);
    Prepare("PRAGMA synchronous = FULL").Run();
    return ok;
  }
  return Commit(body);
}

bool Store::Commit(const std::function<bool()>& body) {
  for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
    int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (IsBusy(rc)) continue;
    if (rc != SQLITE_OK) return false;
    if (!body()) {
      bool busy = IsBusy(sqlite3_extended_errcode(db_));
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      if (busy) continue;
      return false;
    }
    rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return true;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (!IsBusy(rc)) return false;
  }
  NKDbgPrintfW(L"qzpam: a write gave up after waiting for the store's lock");
  return false;
}

bool Store::BeginBatch() {
  for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
    int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return true;
    if (!IsBusy(rc)) return false;
  }
  return false;
}

bool Store::EndBatch() {
  for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
    int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return true;
    if (!IsBusy(rc)) break;
  }
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  return false;
}

int64_t Store::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

int Store::Changes() const { return sqlite3_changes(db_); }

int Store::Counter(const char* name) {
  Statement stmt = Prepare("SELECT value FROM counters WHERE name = ?");
  stmt.Bind(1, std::string_view(name));
  return stmt.Step() == SQLITE_ROW ? stmt.Int(0) : 0;
}

}  // namespace qzpam
