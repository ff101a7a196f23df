// An in-memory copy of every contact in list order, with what the lists and
// the fuzzy search need. Built in one read transaction and tagged with the
// change counter it was read at, so it is rebuilt only after a change; lists
// and search then run without touching the disk.
#pragma once

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
  std::wstring foldedName;  // case-folded (ce::FoldCase), for name search
  std::string pinyin;       // reading without spaces
  std::vector<uint16_t> syllableStarts;
  std::string initials;
  std::vector<SnapshotNumber> numbers;
};

class ContactSnapshot {
 public:
  // Reads every contact; the caller holds the store's lock.
  static std::shared_ptr<const ContactSnapshot> Load(Store& store);

  // The store it was read from and that store's counter at the time.
  uint64_t storeSerial() const { return storeSerial_; }
  int counter() const { return counter_; }
  const std::vector<SnapshotContact>& contacts() const { return contacts_; }

 private:
  uint64_t storeSerial_ = 0;
  int counter_ = 0;
  std::vector<SnapshotContact> contacts_;
};

// A search key of GetContactslistFuzzy, prepared once per search.
class FuzzyKey {
 public:
  explicit FuzzyKey(const std::wstring& key);
  // Whether the contact matches, and which of its numbers matched (-1 when
  // it matched by name or pinyin).
  bool Matches(const SnapshotContact& contact, int* numberIndex) const;
  // Every contact that this key matches also matches `shorter` when the key
  // begins with it, so a search can narrow the previous one's results.
  bool Narrows(const std::wstring& shorterFolded) const {
    return !shorterFolded.empty() && folded_.starts_with(shorterFolded);
  }
  const std::wstring& folded() const { return folded_; }

 private:
  std::wstring folded_;
  std::string letters_;  // set when the key is made of letters a-z only
  std::string digits_;   // set when the key is a number
};

}  // namespace qzpam
