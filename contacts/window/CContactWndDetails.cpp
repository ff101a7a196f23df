// The contacts book's details mode: what the rows of a contact do, the copy
// bubble, dialling by the IP-call rule, and the contact editor.
#include "contactdata/quick/QuickSend.h"
#include "contacts/details/UiListContactInfo.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "contacts/window/ContactWndTexts.h"
#include "core/launch/Launchers.h"
#include "core/popup/CopyBubble.h"
#include "dialer/IpCallRule.h"

using namespace contact_wnd;

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

void CContactWnd::PressContactInfo(LPARAM lParam) {
  if (!m_contactInfoList) return;
  const int row = LOWORD(lParam);
  const int part = HIWORD(lParam);
  UiListContactInfo& list = *m_contactInfoList;
  const int kind = list.GetRowKind(row);
  if (part == CONTACT_PART_LONG_PRESS) {
    qzu::string text;
    if (list.GetRowCopyText(row, text)) OnPopUpMessage(row, text);
    return;
  }
  qzu::string value;
  switch (kind) {
    case CONTACT_ROW_PHONE:
      if (!list.GetRowCopyText(row, value)) return;
      if (part == CONTACT_PART_ROW)
        IpCallProcess(value);
      else if (part == CONTACT_PART_NUMBER)
        DialNumber(value.c_str(), 0);
      else if (part == CONTACT_PART_MESSAGE)
        ComposeSms(value.c_str(), L"");
      break;
    case CONTACT_ROW_GROUPS:
      if (part == CONTACT_PART_ROW) SwitchWindowMode(MODE_GROUP_EDIT, nullptr, true, true);
      break;
    case CONTACT_ROW_EMAIL:
      if (part == CONTACT_PART_ROW && list.GetRowCopyText(row, value)) ComposeEmail(GetHwnd(), value.c_str());
      break;
    case CONTACT_ROW_SEND:
      if (part == CONTACT_PART_ROW) FastSendContactInfo(GetHwnd(), list.GetContactId());
      break;
    default:
      break;
  }
}

void CContactWnd::OnPopUpMessage(int row, const qzu::string& text) {
  if (!m_contactInfoList) return;
  RunCopyBubble(*this, *m_contactInfoList, m_contactInfoList->CopyMode(), row, text.c_str(),
                kCopyBubbleThresholdContacts);
}

void CContactWnd::IpCallProcess(qzu::string& number) {
  const IpCallRule rule = m_contactInfoList ? m_contactInfoList->GetIpCallRule() : IpCallRule::FromSettings();
  if (rule.Dial(number)) return;
  SwitchWindowMode(MODE_NORMAL, nullptr, false, false);
  PendingDialNumber = number.c_str();
  SendTabSwitch(kDialerTab);
}

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
