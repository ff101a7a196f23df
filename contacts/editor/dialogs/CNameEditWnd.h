// CNameEditWnd: the editor's dialog for the family name, given name and
// company of a contact. Save is enabled while the three fields differ from
// the record and are not all empty. Saving changes the record and, for a
// stored contact, the store at once: the change is stored when DoModal
// returns 1.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

class CNameEditWnd : public CQzWndEx {
 public:
  CNameEditWnd();
  ~CNameEditWnd() override;

  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  // Fails without a record.
  BOOL OnInitDialog() override;

  // The record edited (not owned); set before Create.
  void SetContactInfo(CContactInfo* record) { m_record = record; }

  static constexpr int kScrollAreaId = 5;
  static constexpr int kFamilyNameFieldId = 2;
  static constexpr int kGivenNameFieldId = 3;
  static constexpr int kCompanyFieldId = 4;
  static constexpr int kMaxNameChars = 31;

 private:
  bool CanSave() const;
  void Save();

  UiToolBarPro m_toolBar;
  UiScrollWin m_area;
  UiSingleLineEdit m_familyName;
  UiSingleLineEdit m_givenName;
  UiSingleLineEdit m_company;
  CContactInfo* m_record = nullptr;
};
