// An in-memory copy of every contact in list order, with what the lists and
// the fuzzy search need. Read in one read transaction and tagged with the
// change counter it was read at; after a change only the contacts that the
// store's change log names are read again, so lists and search run without
// touching the disk and a single change costs little.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/Store.h"

namespace qzpam {

struct SnapshotNumber {
  std::wstring value;
  std::string digits;
  int type = 0;
};

struct SnapshotContact {
  int id = 0;
  std::wstring name;
  std::wstring detail;  // primary number
  int detailType = 0;
  wchar_t letter = L'#';
  std::string order;        // list position: the sort group, then the sort key; ties by id
  std::wstring foldedName;  // case-folded (ce::FoldCase), for name search
  std::string pinyin;       // reading without spaces
  std::vector<uint16_t> syllableStarts;
  std::string initials;
  std::vector<SnapshotNumber> numbers;
};

// A row of a snapshot list: which contact, and which of its numbers (-1 for
// the primary one).
struct ContactRef {
  const SnapshotContact* contact;
  int number;
};

class ContactSnapshot {
 public:
  using Contacts = std::vector<std::shared_ptr<const SnapshotContact>>;

  // The store as it is now: `previous` itself when nothing changed, else a
  // new snapshot. The caller holds the store's lock. Null when the store
  // cannot be read.
  static std::shared_ptr<const ContactSnapshot> Refresh(Store& store,
                                                        const std::shared_ptr<const ContactSnapshot>& previous);

  // The store it was read from and that store's counter at the time.
  uint64_t storeSerial() const { return storeSerial_; }
  int counter() const { return counter_; }
  // In list order. Snapshots of unchanged contacts share these.
  const Contacts& contacts() const { return *contacts_; }

 private:
  bool ReadAll(Store& store);
  bool ReadChanges(Store& store, const ContactSnapshot& previous);

  uint64_t storeSerial_ = 0;
  int counter_ = 0;
  int64_t logSeq_ = 0;  // the latest entry of the store's change log it includes
  // Read inside a batch, and the store's rollbacks then: if that batch was
  // undone, this snapshot shows changes that never happened.
  bool readInBatch_ = false;
  uint64_t rollbacks_ = 0;
  std::shared_ptr<const Contacts> contacts_;
};

}  // namespace qzpam
