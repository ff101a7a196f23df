// StoreBatch: many changes of this thread to the store in one transaction,
// for bulk imports and seeding. While a batch lives, the changes that this
// thread makes through CContactsDbIf and PhoneSettingsDbIf are kept
// together (each still all-or-nothing) and reach the disk at once when the
// batch ends; other threads of the process wait, other processes see none
// of them until then.
#pragma once

#include <memory>

namespace qzpam {

class Store;

class StoreBatch {
 public:
  StoreBatch();
  ~StoreBatch();  // commits
  StoreBatch(const StoreBatch&) = delete;
  StoreBatch& operator=(const StoreBatch&) = delete;

  // False when the store is unavailable or the transaction could not start
  // (the changes are then written one by one, as without a batch).
  bool active() const { return active_; }
  // Commits now; false when the commit failed and the changes were lost
  // (true when there was nothing to commit).
  bool Commit();

 private:
  std::shared_ptr<Store> store_;
  bool active_ = false;
};

}  // namespace qzpam
