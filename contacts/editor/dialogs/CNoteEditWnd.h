// CNoteEditWnd: the editor's dialog for a contact's note, a multi-line field
// in a frame. Save is enabled while the text is not empty and differs from
// the record's note (the field list's delete button empties a note). Saving
// changes the record and, for a stored contact, the store at once.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

class CNoteEditWnd : public CQzWndEx {
 public:
  CNoteEditWnd();
  ~CNoteEditWnd() override;

  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  // Fails without a record.
  BOOL OnInitDialog() override;

  // The record edited (not owned); set before Create.
  void SetContactInfo(CContactInfo* record) { m_record = record; }

  static constexpr int kNoteFieldId = 2;

 private:
  bool CanSave() const;

  UiToolBarPro m_toolBar;
  UiPicture m_frame;
  UiEdit m_note;
  CContactInfo* m_record = nullptr;
};
