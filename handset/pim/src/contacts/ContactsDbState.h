// What a CContactsDbIf keeps between calls: the position of every cursor
// list and the latest contact snapshot.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "contacts/ContactSnapshot.h"
#include "contacts/Cursor.h"
#include "contacts/FuzzySearch.h"
#include "qzpam/qzu_string.h"
#include "store/Store.h"
#include "store/StoreHolder.h"
#include "t9/T9Search.h"

namespace qzpam {

// Snapshot rows stay valid while the cursor holds the snapshot.
struct SnapshotCursor {
  std::shared_ptr<const ContactSnapshot> snapshot;
  Cursor<ContactRef> rows;
};

struct ValueRow {
  int id;
  std::wstring name;
  std::wstring value;
  int type;
  wchar_t letter;
};

struct GroupRow {
  int id;
  std::wstring name;
  int count;
};

struct CallRow {
  std::wstring number;
  int time;
  int value;
  int type;
  std::wstring name;
  int contactId;
};

struct ContactsDbState {
  std::mutex mutex;  // guards the cursors and the snapshot

  SnapshotCursor allContacts;
  SnapshotCursor groupMembers;
  SnapshotCursor ungrouped;
  FuzzySearch fuzzy;
  T9Search t9;
  SnapshotCursor phoneNumbers;
  SnapshotCursor numberFilter;
  Cursor<ValueRow> emailFilter;
  Cursor<GroupRow> groups;
  Cursor<CallRow> threads;
  Cursor<CallRow> missedThreads;
  Cursor<CallRow> numberCalls;
  Cursor<CallRow> numberMissedCalls;
  Cursor<std::wstring> groupEmails;

  std::shared_ptr<const ContactSnapshot> snapshot;
  // The packed texts that the fuzzy search and the smart dial both read,
  // and the snapshot they were built from.
  std::shared_ptr<const FuzzyIndex> searchIndex;
  std::shared_ptr<const ContactSnapshot> searchIndexed;

  // The snapshot of the store as it is now, brought up to date when the
  // contacts counter moved since the last one.
  std::shared_ptr<const ContactSnapshot> CurrentSnapshot(Store& store);
  // The search index of the current snapshot, built by the first search
  // after the contacts changed. Null when the store cannot be read.
  std::shared_ptr<const FuzzyIndex> CurrentSearchIndex(Store& store);
};

// The lock of a cursor list: the store's first, then the instance's. Every
// path takes them in this order, also while a StoreBatch holds the store's
// lock across calls.
class ListLock {
 public:
  explicit ListLock(ContactsDbState& state) : store_(StoreHolder::Get()) {
    if (store_) storeLock_ = std::unique_lock(store_->mutex());
    stateLock_ = std::unique_lock(state.mutex);
  }

 private:
  std::shared_ptr<Store> store_;
  std::unique_lock<std::recursive_mutex> storeLock_;
  std::unique_lock<std::mutex> stateLock_;
};

// One call of a cursor list. A first call reads the store under ListLock;
// a later one only hands out rows already read, under the instance's lock
// alone.
template <typename Start, typename Next>
bool CursorCall(ContactsDbState& state, bool first, Start&& start, Next&& next) {
  if (first) {
    ListLock lock(state);
    start();
    return next();
  }
  std::lock_guard lock(state.mutex);
  return next();
}

inline void Assign(qzu::string& out, std::wstring_view text) { out.assign(text.data(), text.size()); }

}  // namespace qzpam
