// ContactListCollection: the rows of the contacts window's list. By kind it
// holds all contacts, the results of a search, the members of one group, or
// the groups themselves; Reload refills it from the store in the store's
// order (the store sorts the contacts and tags each with its index letter).
#pragma once

#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

// One row: the texts shown, what it stands for and its index letter.
struct ContactListItem {
  qzu::string name;    // contact's name; in the groups list the group's display name
  qzu::string detail;  // contact's number; in the groups list the member count text
  int id = 0;          // contact identifier; in the groups list the group (0 ungrouped)
  wchar_t letter = L'#';
};

enum ContactListKind : int {
  AllContacts = 0,
  SearchResults = 1,
  GroupMembers = 2,
  Groups = 3,
};

class ContactListCollection : public IItemCollection {
 public:
  ContactListCollection();
  ~ContactListCollection() override;
  ContactListCollection(const ContactListCollection&) = delete;
  ContactListCollection& operator=(const ContactListCollection&) = delete;

  ImagingHelper* GetItemImage(int index) override;
  ImagingHelper* GetItemRightImage(int index) override;
  ImagingHelper* GetItemImagePressed(int index) override;
  ImagingHelper* GetItemRightImagePressed(int index) override;
  CQzStringW GetItemText(int index) override;
  CQzStringW GetItemSubText(int index) override;
  CQzStringW GetItemText3(int index) override;
  CQzStringW GetItemText4(int index) override;
  int GetItemCount() override;
  void SetItemSelected(int index, BOOL selected) override;
  // Only the groups list deletes rows, and never its first two (the
  // ungrouped row and the row after it).
  BOOL CanDeleteItem(int index) override;
  BOOL IsItemSelected(int index) override;
  int GetItemHeight(int index) override;
  void OnItemClicked(int index) override;
  // Groups list only: empties the group, deletes it and removes its row.
  void DeleteItem(int index) override;

  // Refills the rows from the store by kind, search key and group id. An
  // absent store, or a kind outside ContactListKind, leaves no rows.
  int Reload();
  // What row `index` stands for: its id, and its number (its name in the
  // groups list). False outside the rows.
  bool GetItemIdAndText(int index, int& id, qzu::string& text) const;
  // The first row at or after `start` whose letter is not below `letter`,
  // comparing as unsigned 16-bit values; -1 when there is none.
  int FindLetterRow(wchar_t letter, int start) const;

  const ContactListItem* GetRow(int index) const;

  ContactListKind kind = AllContacts;
  qzu::string searchKey;
  int groupId = 0;
  // The window's cache for ContactsChanged; unset at first, so that the
  // first check reports a change.
  int lastDbChangeCount = -1;

  static constexpr int kRowHeight = 82;

 private:
  bool IsGroups() const { return kind == Groups; }

  qzu::array<ContactListItem> m_rows;
  ImagingHelper* m_contactImage;
  ImagingHelper* m_contactImagePressed;
  ImagingHelper* m_groupImage;
  ImagingHelper* m_groupImagePressed;
  ImagingHelper* m_groupRightImage;
  ImagingHelper* m_groupRightImagePressed;
};
