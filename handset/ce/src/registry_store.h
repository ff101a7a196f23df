// The registry's SQLite file, <root>/registry.db. Keys are stored by full
// path ("HKEY_CURRENT_USER\ControlPanel\Volume") beside a case-folded copy
// that is their identity; values likewise by folded name. One connection
// per process, reopened when the device root changes; SQLite's locking makes
// each operation atomic across processes.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "ce/registry.h"

namespace ce::registry {

struct Value {
  DWORD type = 0;
  std::vector<uint8_t> data;
};

class RegistryStore {
 public:
  static RegistryStore& Instance();

  // Each returns ERROR_SUCCESS or the registry error to report.
  LONG KeyExists(const std::string& folded, bool& exists);
  // Creates the key and the keys above it (paths are given outermost first).
  LONG CreateKey(const std::vector<std::string>& paths, const std::vector<std::string>& folded, bool& created);
  LONG DeleteKeyTree(const std::string& folded);
  LONG GetValue(const std::string& key, const std::string& name, Value& value, bool& found);
  LONG SetValue(const std::string& key, const std::string& name, const std::string& shownName, const Value& value);
  LONG DeleteValue(const std::string& key, const std::string& name, bool& found);

  void Close();

 private:
  RegistryStore() = default;
  bool Absent();
  bool Open();
  LONG Run(const char* sql, const std::vector<std::string>& texts, const Value* value = nullptr,
           int* changes = nullptr);
  // Whether the key is stored; false as well when the query fails.
  bool HasKey(const std::string& folded, bool& failed);
  // Runs `work` in one write transaction, kept only when work succeeds.
  template <typename Work>
  LONG Transact(Work work);

  std::mutex mutex_;
  sqlite3* db_ = nullptr;
};

}  // namespace ce::registry
