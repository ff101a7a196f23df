// The contacts book's way into the contact editor, for a new contact and
// for the contact in details.
#include "contacts/details/UiListContactInfo.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/window/CContactWnd.h"

namespace {

// The editor's modes.
constexpr int kEditorNewContact = 0;
constexpr int kEditorStoredContact = 1;
// The editor slides up over the window; the tool bar's 70 pixels stay.
constexpr int kEditorShowAnimation = 1;
constexpr int kEditorHideAnimation = 2;

// Runs the contact editor over the work area: its result, or 0 when it
// could not be shown.
int RunEditor(HWND owner, int mode, int contactId) {
  CContactEditWnd editor;
  editor.SetMode(mode);
  editor.SetContactId(contactId);
  if (mode == kEditorNewContact) {
    editor.SetAnimateType_Show(kEditorShowAnimation);
    editor.SetAnimateType_Hide(kEditorHideAnimation);
    editor.SetAnimateEdge(UiToolBarPro::kHeight, 0, 0, 0);
  }
  const RECT area = QzGetWorkArea();
  int result = 0;
  if (editor.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, owner, 0, WS_POPUP))
    result = editor.DoModal(TRUE);
  editor.DestroyWindow();
  return result;
}

}  // namespace

void CContactWnd::AddNewContact() {
  // The window is shown already: a saved contact reaches the list through
  // the change check that showing it again would run.
  if (RunEditor(GetHwnd(), kEditorNewContact, 0) == CContactEditWnd::kResultSaved) DecideDbChange();
}

void CContactWnd::EditContactInfo() {
  if (!m_contactInfoList) return;
  const int result = RunEditor(GetHwnd(), kEditorStoredContact, m_contactInfoList->GetContactId());
  if (result == CContactEditWnd::kResultSaved) {
    m_contactInfoList->SetRecordLoaded(false);
    m_contactInfoList->AddAllItems();
    Redraw(*m_contactInfoList);
  } else if (result == CContactEditWnd::kResultCancelled || result == CContactEditWnd::kResultDeleted) {
    SwitchWindowMode(static_cast<CONTACT_WINDOW_MODE>(m_baseMode), nullptr, true, true);
  }
}
