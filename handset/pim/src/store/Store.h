// The connection to the one SQLite database under the device root.
//
// WAL journal (readers never wait for a writer), synchronous FULL (a write is
// on disk when the call returns), foreign keys on, a busy timeout, and every
// write in BEGIN IMMEDIATE, retried while another process holds the lock, so
// that concurrent writers queue instead of failing with "database is locked".
// All statements are prepared once and cached.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "store/Statement.h"

namespace qzpam {

// How far a write has gone when Store::Write returns.
enum class Durability {
  // Synced to the disk: it survives a crash of the process and a power loss.
  Synced,
  // Handed to the operating system: it survives a crash of the process, and
  // reaches the disk with the next synced write or checkpoint. A power loss
  // before that may take it back; the database stays sound either way.
  CrashSafe,
};

class Store {
 public:
  // Opens (creating when absent) the database file. Returns null, with a
  // debug message and the reason in `why` (when given), when the file is
  // unreadable, not ours, or of a newer schema; such a file is left exactly
  // as it was.
  static std::unique_ptr<Store> Open(const std::filesystem::path& file, std::string* why = nullptr);
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  // <root>/pim/contacts.db
  static std::filesystem::path FileUnder(const std::filesystem::path& root);

  // A cached statement for a constant SQL text (cached by its address).
  Statement Prepare(const char* sql);

  // Runs `body` in one write transaction and commits when it returns true.
  // The body may run more than once (after a lock conflict), so it must not
  // change anything outside the database before the commit. Inside a batch
  // the body becomes a savepoint of the batch's transaction, and reaches
  // the disk with the batch.
  bool Write(const std::function<bool()>& body, Durability durability = Durability::Synced);

  // One write transaction around many writes of this connection (bulk
  // imports); they reach the disk together at EndBatch.
  bool BeginBatch();
  bool EndBatch();

  int64_t LastInsertId() const;
  int Changes() const;
  // The current value of a change counter ("contacts" or "calls").
  int Counter(const char* name);

  // Tells one opening of a store from any other in this process.
  uint64_t serial() const { return serial_; }

  // Whether a write transaction (a batch) is open on this connection.
  bool InTransaction() const;
  // How many transactions this connection has rolled back: what was read
  // inside one of them may since have been undone.
  uint64_t rollbacks() const { return rollbacks_; }

  // Serialises this process's threads on the one connection.
  std::recursive_mutex& mutex() { return mutex_; }

 private:
  explicit Store(sqlite3* db);
  // One write transaction around `body`, retried while the lock is busy.
  bool Commit(const std::function<bool()>& body);

  sqlite3* db_;
  uint64_t serial_;
  uint64_t rollbacks_ = 0;
  std::recursive_mutex mutex_;
  std::unordered_map<const char*, sqlite3_stmt*> statements_;
};

}  // namespace qzpam
