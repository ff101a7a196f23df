// What a CContactsDbIf keeps between calls: the position of every cursor
// list and the latest contact snapshot.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "contacts/ContactSnapshot.h"
#include "contacts/Cursor.h"
#include "qzpam/qzu_string.h"
#include "store/Store.h"

namespace qzpam {

// A row of a snapshot list: which contact, and which of its numbers (-1 for
// the primary one).
struct ContactRef {
  const SnapshotContact* contact;
  int number;
};

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
  SnapshotCursor fuzzy;
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

  // The snapshot of the store as it is now, rebuilt when the contacts
  // counter moved since the last one.
  std::shared_ptr<const ContactSnapshot> CurrentSnapshot(Store& store);
};

inline void Assign(qzu::string& out, const std::wstring& text) { out.assign(text.data(), text.size()); }

}  // namespace qzpam
