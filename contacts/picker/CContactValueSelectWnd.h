// CContactValueSelectWnd: the picker through which other programs let the
// user choose phone numbers, e-mail addresses or contacts. The caller sets
// the kind of choice (and, for several contacts, one to pre-select), runs
// the window modally and reads the result: 1 when a choice was made, 2 when
// cancelled.
//
// For the choices of several values the list begins with the contact
// groups: a tap on a group shows only its members (the left button then
// leads back), and its check box selects the whole group. The middle button
// selects or clears every row, or every member of the open group.
#pragma once

#include "contacts/list/AlphabetIndex.h"
#include "contacts/picker/ContactValueInfo.h"
#include "core/VornaExport.h"
#include "platform/ToolkitContract.h"

class ContactValueCollection;

class VORNALIB_API CContactValueSelectWnd : public CQzWndEx {
 public:
  CContactValueSelectWnd();
  // A window is bound to its handle and its controls to the window, so the
  // picker is not copied.
  CContactValueSelectWnd(const CContactValueSelectWnd&) = delete;
  CContactValueSelectWnd& operator=(const CContactValueSelectWnd&) = delete;
  ~CContactValueSelectWnd() override;

  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // Call before the window is created.
  void SetSelectType(CONTACT_VALUE_SELECT_TYPE type);
  // A contact to show selected at the top; only SELECT_CONTACTS uses it.
  void SetInitSelectedContact(int contactId);
  // Makes the contact of list row `row` the chosen one (nothing outside the rows).
  void SetSelectContactId(int row);

  // After a choice of one contact or one number: the contact; 0 otherwise.
  int GetSelectContactId() const;
  // After SELECT_ONE_PHONE_NUMBER: the chosen number (owned by the window); empty otherwise.
  const wchar_t* GetSelectInfo() const;
  // Appends a copy of every selected value row in list order (a group
  // selected as a whole gives its members' rows); true.
  bool GetSelectedItems(qzu::array<ContactValueInfo>& items) const;
  int GetSelectedContactCount() const;
  int GetValidItemCount() const;
  // Enables the right button exactly when a value row is selected.
  void RefreshRightButton();

  void CalAlphabetMap();
  void MoveToAlphabet(wchar_t letter);
  void UpdateAlphabetBarState();

  static constexpr int kListId = 1;
  static constexpr int kToolBarId = 2;
  static constexpr int kAlphabetBarId = 5;

 private:
  bool IsSingleChoice() const;
  void OnListClick(int row);
  void OpenGroup(int row);
  void LeaveGroup();
  void OnMiddleButton();
  void ScrollListTo(int top);
  void RedrawToolBar();

  UiAlphabetBar m_alphabetBar;
  ContactValueCollection* m_collection;
  UiCustomList m_list;
  UiToolBarPro m_toolBar;
  // Holds the contact to pre-select until the window is first shown.
  int m_selectedContactId = 0;
  qzu::string m_selectedValue;
  bool m_selectAll = false;
  bool m_groupView = false;
  bool m_groupSelectAll = false;
  int m_openedGroupRow = -1;
  // The row whose check box the current tap ticked (-1: none).
  int m_toggledRow = -1;
  int m_selectType = SELECT_PHONE_NUMBERS;
  AlphabetIndex m_alphabetMap;
};
