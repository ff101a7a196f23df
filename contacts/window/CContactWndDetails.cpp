// The contacts book's details mode: what the rows of a contact do, the copy
// bubble, and dialling by the IP-call rule.
#include "contactdata/quick/QuickSend.h"
#include "contacts/details/UiListContactInfo.h"
#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "contacts/window/ContactWndTexts.h"
#include "core/launch/Launchers.h"
#include "core/popup/CopyBubble.h"
#include "core/tabs/TabButtons.h"
#include "dialer/IpCallRule.h"

using namespace contact_wnd;

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
  SendTabSwitch(vorna::kDialerTab);
}
