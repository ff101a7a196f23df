// CContactEditWnd: the full-screen window in which a contact is created or
// changed. It holds one record, shows it through the field list, and opens a
// dialog or picker for whatever field the user taps.
//
// Every change is made to the record; when the record is a stored contact
// the same change goes to the store at once. A new contact reaches the store
// only on save, as one AddContact.
//
// Running it: construct, SetMode (and SetContactId for edit and add-item
// mode), optionally fill GetContactInfo(), Create over the work area as a
// pop-up over the caller's window, optionally change the record further and
// call RefreshFieldList(), then DoModal(1): 1 after save or done (GetContactId
// then names the contact), 2 after cancel or back, -1 after the contact was
// deleted.
#pragma once

#include <memory>

#include "contacts/editor/ContactEditKinds.h"
#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

class UiListContactEdit;
class UiListGroupPicker;

class CContactEditWnd : public CQzWndEx {
 public:
  CContactEditWnd();
  ~CContactEditWnd() override;

  LPCWSTR GetQzClassName() override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // CONTACT_EDIT_MODE.
  void SetMode(int mode) { m_mode = mode; }
  int GetMode() const { return m_mode; }
  void SetContactId(int id) { m_contactId = id; }
  int GetContactId() const { return m_contactId; }
  CContactInfo& GetContactInfo() { return m_record; }
  // Fills the field list from the record again and redraws it.
  void RefreshFieldList();
  UiListContactEdit* GetFieldList() const { return m_fieldList.get(); }
  bool IsGroupEditing() const { return m_groupEdit; }

  // Opens the editor of one field (CONTACT_EDIT_KIND) of the record; entry
  // index -1 adds a new entry. When the field changed, the list is reloaded.
  void OpenFieldEditor(int editKind, CContactInfo* record, int entryIndex, HWND owner, UiListContactEdit* list);

  static constexpr int kToolBarId = 1;
  static constexpr int kFieldListId = 2;
  static constexpr int kGroupPickerId = 3;
  static constexpr int kResultSaved = 1;
  static constexpr int kResultCancelled = 2;
  static constexpr int kResultDeleted = -1;

 private:
  // Last name, first name or company is set.
  bool CanSave() const;
  void SetUpToolBar();
  void UpdateSaveButton();
  void OnToolBar(int button);
  void OnFieldTap(int row, int zone);
  void Save();
  void DeleteContact();
  void ShowAddInfoMenu(HWND owner);
  void ShowPhotoMenu(HWND owner);
  void PickRingTone(HWND owner);
  void PickBirthday(HWND owner);
  void EnterGroupEdit();
  void LeaveGroupEdit();

  UiToolBarPro m_toolBar;
  std::unique_ptr<UiListContactEdit> m_fieldList;
  std::unique_ptr<UiListGroupPicker> m_groupPicker;
  int m_mode = EDIT_MODE_NEW;
  int m_contactId = 0;
  CContactInfo m_record;
  bool m_groupEdit = false;
};
