// CValueEditWnd: the editor's dialog for one phone number, e-mail address,
// web page, MSN account or QQ number of a contact, with its type chosen on a
// slide bar. Save is enabled while the field is not empty and the text or
// the type differs from the entry's. Saving adds or changes the entry in the
// record and, for a stored contact, in the store at once: the change is
// stored when DoModal returns 1.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

class CValueEditWnd : public CQzWndEx {
 public:
  // editKind: one of the value kinds of FIELD_EDIT_KIND (phone number,
  // e-mail, web page, MSN, QQ). The editor's mode is kept but changes nothing.
  CValueEditWnd(int editKind, int editorMode);
  ~CValueEditWnd() override;

  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  // Fails without a record, for a kind that is not a value kind, and for an
  // entry index that the record does not have.
  BOOL OnInitDialog() override;

  // The record edited (not owned) and the entry (-1 for a new one); set
  // before Create.
  void SetContactInfo(CContactInfo* record) { m_record = record; }
  void SetEntryIndex(int index) { m_entryIndex = index; }
  int GetEntryIndex() const { return m_entryIndex; }
  int GetEditorMode() const { return m_editorMode; }

  static constexpr int kValueFieldId = 2;
  static constexpr int kTypeBarId = 3;

 private:
  struct KindInfo;
  static const KindInfo* FindKind(int editKind);
  // The record's entries of this dialog's kind.
  qzu::array<st_contacts_extra>& Entries() const;
  bool CanSave() const;
  void Save();
  void SavePhoneNumber(CContactsDbIf* db, st_contacts_extra& extra);
  void SaveExtraValue(CContactsDbIf* db, st_contacts_extra& extra);

  UiToolBarPro m_toolBar;
  UiScrollWin m_area;
  UiSingleLineEdit m_value;
  UiSlideBar m_typeBar;
  int m_entryIndex = -1;
  int m_editorMode = 0;
  int m_editKind = 0;
  CContactInfo* m_record = nullptr;

  const KindInfo* m_kind = nullptr;
  std::wstring m_currentValue;
  int m_currentType = 0;
};
