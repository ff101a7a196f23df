// The details side of the call log: opening a number, acting on its rows,
// and adding or editing its contact.
#include "calllog/CCallHistoryWnd.h"
#include "calllog/details/UiListCallInfo.h"
#include "calllog/model/CallableNumber.h"
#include "contactdata/quick/QuickContact.h"
#include "contactdata/quick/QuickSend.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"
#include "core/tabs/TabButtons.h"
#include "core/popup/CopyBubble.h"
#include "core/util/AnimateTransition.h"
#include "dialer/IpCallRule.h"

namespace {

constexpr UINT kStrTitle = 859, kStrDetails = 731, kStrBack = 626, kStrEdit = 613, kStrAdd = 683;
constexpr UINT kStrAddAsNew = 850, kStrAddToExisting = 706, kStrCancel = 611;
constexpr UINT kMenuAddAsNew = 100, kMenuAddToExisting = 101;
constexpr int kPhoneNumberKind = 256;
constexpr int kSlideIntoDetails = 12, kSlideBack = 11;
constexpr int kContactDeleted = -1;

}  // namespace

void CCallHistoryWnd::GotoCallInfo(int contactId, const qzu::string& number) {
  HBITMAP before = GetWindowBitmap();
  m_view = VIEW_DETAILS;
  m_threadList.SetVisible(FALSE);
  m_noCallTip.SetVisible(FALSE);
  if (m_details) {
    RemoveUiWin(m_details);
    delete m_details;
  }
  m_details = new UiListCallInfo();
  m_details->SetID(kDetailsId);
  m_details->SetPos(0, 0, GetWidth(), GetHeight() - UiToolBarPro::kHeight);
  m_details->EnableNotifyMessage(TRUE);
  m_details->SetCallInfo(m_mode != MODE_ALL_CALLS, contactId, number);
  m_details->AddAllItems();
  AddUiWin(m_details);
  SetDetailsButtons();
  SetWindowText(LoadResString(kStrDetails));
  AnimateTransition(before, GetWindowBitmap(), kSlideIntoDetails, GetHwnd());
  RedrawAll();
}

void CCallHistoryWnd::GoBackThreadsList(bool animate) {
  DropGroupPicker();
  HBITMAP before = animate ? GetWindowBitmap() : nullptr;
  m_view = VIEW_THREADS;
  if (m_details) {
    RemoveUiWin(m_details);
    delete m_details;
    m_details = nullptr;
  }
  if (!animate && m_mode == MODE_MISSED_CALLS)
    ShowAllCalls();
  else
    UpdateHistoryList();
  SetThreadButtons();
  m_threadList.SetVisible(TRUE);
  RefreshNoCallTip();
  SetWindowText(LoadResString(kStrTitle));
  if (animate) AnimateTransition(before, GetWindowBitmap(), kSlideBack, GetHwnd());
  RedrawAll();
}

void CCallHistoryWnd::SetDetailsButtons() {
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  const bool contact = m_details && m_details->GetContactId() != 0;
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(contact ? kStrEdit : kStrAdd));
}

void CCallHistoryWnd::OnDetailsCommand(int row, int part) {
  const int kind = m_details->RowKindAt(row);
  const int index = m_details->RowIndexAt(row);
  const CContactInfo& contact = m_details->GetContact();
  if (kind == CALL_INFO_NUMBER && contact.phoneNumbers.valid_index(index)) {
    const qzu::string number = contact.phoneNumbers[index].value;
    if (part == UiListCallInfo::kLongPressPart) {
      OnPopUpMessage(row, number.c_str());
    } else if (IsCallableNumber(number)) {
      if (part == 0)
        IpcallProcess(number);
      else if (part == 1)
        DialNumber(number.c_str(), 0);
      else if (part == 2)
        ComposeSms(number.c_str(), L"");
    }
  } else if (kind == CALL_INFO_EMAIL && contact.emails.valid_index(index)) {
    const qzu::string address = contact.emails[index].value;
    if (part == 0)
      ComposeEmail(GetHwnd(), address.c_str());
    else if (part == UiListCallInfo::kLongPressPart)
      OnPopUpMessage(row, address.c_str());
  } else if (kind == CALL_INFO_GROUPS && part == 0) {
    OpenGroupPicker();
  } else if (kind == CALL_INFO_MORE && part == 0) {
    m_details->LoadCallHistory(false);
    m_details->RemoveMoreRow();
    Redraw(*m_details);
  } else if (kind == CALL_INFO_SEND && part == 0) {
    FastSendContactInfo(GetHwnd(), m_details->GetContactId());
  }
}

void CCallHistoryWnd::OnPopUpMessage(int row, LPCWSTR text) {
  if (!m_details) return;
  RunCopyBubble(*this, *m_details, m_details->CopyMode(), row, text, kCopyBubbleThresholdCallLog);
  Redraw(*m_details);
}

void CCallHistoryWnd::IpcallProcess(const qzu::string& number) {
  if (!IsCallableNumber(number)) return;
  const IpCallRule rule = m_details ? m_details->GetIpCallRule() : IpCallRule::FromSettings();
  if (rule.Dial(number)) return;
  GoBackThreadsList(false);
  PendingDialNumber = number.c_str();
  SendTabSwitch(vorna::kDialerTab);
}

void CCallHistoryWnd::ContactInfoEdit() {
  if (!m_details) return;
  const int contactId = m_details->GetContactId();
  if (contactId != 0) {
    const int result = FastEditContact(GetHwnd(), contactId);
    if (result > 0) {
      RebuildDetails();
    } else if (result == 0) {
      GoBackThreadsList(true);
    } else if (result == kContactDeleted) {
      m_details->SetContactId(0);
      RebuildDetails();
      SetDetailsButtons();
      Redraw(m_toolBar);
    }
    return;
  }
  // A hidden caller's number cannot be added, nor one that is no phone number.
  const qzu::string number = m_details->GetNumber();
  if (IsCallableNumber(number)) AddNumberToContacts(number);
}

void CCallHistoryWnd::AddNumberToContacts(const qzu::string& number) {
  QzPopupMenu menu;
  menu.AppendMenuItem(kMenuAddAsNew, LoadResString(kStrAddAsNew), 0);
  menu.AppendMenuItem(kMenuAddToExisting, LoadResString(kStrAddToExisting), 0);
  const UINT choice = menu.QzTrackPopupMenu(GetHwnd(), 1, LoadResString(kStrCancel), 0);
  int contactId = 0;
  if (choice == kMenuAddAsNew)
    contactId = FastNewContact(GetHwnd(), kPhoneNumberKind, number.c_str(), nullptr);
  else if (choice == kMenuAddToExisting)
    contactId = FastAddItem2Contact(GetHwnd(), kPhoneNumberKind, number.c_str());
  if (contactId > 0) AdoptContact(contactId);
}

void CCallHistoryWnd::AdoptContact(int contactId) {
  if (!m_details) return;
  m_details->SetContactId(contactId);
  RebuildDetails();
  SetDetailsButtons();
  Redraw(m_toolBar);
}

void CCallHistoryWnd::RebuildDetails() {
  if (!m_details) return;
  m_details->AddAllItems();
  Redraw(*m_details);
}
