// ContactValueCollection: the rows of the value picker. For the choices of
// several values the group rows come first (each group that has members
// with a value of the kind, then the contacts in no group), followed by the
// value rows in the store's order. While a group is open only its members'
// value rows have a height; every other row is hidden.
#pragma once

#include <unordered_set>

#include "contacts/picker/ContactValueInfo.h"
#include "platform/ToolkitContract.h"

class ContactValueCollection : public IItemCollection {
 public:
  ContactValueCollection();
  ~ContactValueCollection() override;
  ContactValueCollection(const ContactValueCollection&) = delete;
  ContactValueCollection& operator=(const ContactValueCollection&) = delete;

  ImagingHelper* GetItemImage(int index) override;
  ImagingHelper* GetItemRightImage(int index) override;
  ImagingHelper* GetItemImagePressed(int index) override;
  ImagingHelper* GetItemRightImagePressed(int index) override;
  CQzStringW GetItemText(int index) override;
  CQzStringW GetItemSubText(int index) override;
  CQzStringW GetItemText3(int index) override;
  CQzStringW GetItemText4(int index) override;
  int GetItemCount() override;
  // A group row also selects or clears every value row of its members.
  void SetItemSelected(int index, BOOL selected) override;
  BOOL CanDeleteItem(int index) override;
  BOOL IsItemSelected(int index) override;
  int GetItemHeight(int index) override;
  void OnItemClicked(int index) override;
  void DeleteItem(int index) override;

  void SetSelectType(CONTACT_VALUE_SELECT_TYPE type) { m_type = type; }
  CONTACT_VALUE_SELECT_TYPE GetSelectType() const { return m_type; }
  // Loads the rows once. For the contact kinds the row of `preselectedContact`
  // becomes the pre-selected row (and is selected in SELECT_CONTACTS).
  void LoadValues(int preselectedContact);

  // Shows only the value rows of the group's members (group 0: of the
  // contacts in no group); CloseGroup shows every row again.
  void OpenGroup(int groupId);
  void CloseGroup();
  bool IsGroupOpen() const { return m_groupOpen; }
  int GetOpenedGroupId() const { return m_openedGroupId; }

  // Sets every row's selected flag.
  void SelectAll(bool selected);
  int GetSelectedValueCount() const;
  int GetValueCount() const { return m_rows.size() - m_firstValueRow; }
  int GetFirstValueRow() const { return m_firstValueRow; }
  int GetPreselectedRow() const { return m_preselectedRow; }
  // The first value row at or after `start` whose letter is not below
  // `letter` (unsigned 16-bit comparison), or -1.
  int FindLetterRow(wchar_t letter, int start) const;
  const ContactValueInfo* GetRow(int index) const;
  // Appends a copy of every selected value row, in list order.
  void AppendSelectedValues(qzu::array<ContactValueInfo>& out) const;

  static constexpr int kRowHeight = 82;

 private:
  bool ShowsContactImage() const { return m_type == SELECT_ONE_CONTACT || m_type == SELECT_ONE_PHONE_NUMBER; }
  bool IsGroupRow(int index) const { return m_rows.valid_index(index) && m_rows[index].isGroup; }
  void LoadGroupRows(CContactsDbIf& db);
  void LoadValueRows(CContactsDbIf& db, int preselectedContact);

  qzu::array<ContactValueInfo> m_rows;
  CONTACT_VALUE_SELECT_TYPE m_type = SELECT_PHONE_NUMBERS;
  int m_firstValueRow = 0;
  int m_preselectedRow = -1;
  bool m_groupOpen = false;
  int m_openedGroupId = 0;
};
