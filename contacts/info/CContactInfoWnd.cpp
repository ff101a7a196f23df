#include "contacts/info/CContactInfoWnd.h"

#include <tuple>

#include "contactdata/GroupNames.h"
#include "contactdata/quick/QuickContact.h"
#include "contactdata/quick/QuickSend.h"
#include "contacts/details/UiListContactInfo.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"
#include "core/popup/CopyBubble.h"
#include "core/util/AnimateTransition.h"
#include "core/util/ChangeChecks.h"
#include "dialer/IpCallRule.h"

namespace {

constexpr UINT kStrDetails = 731;    // "详情"
constexpr UINT kStrBack = 626;       // "返回"
constexpr UINT kStrEdit = 613;       // "编辑"
constexpr UINT kStrSave = 604;       // "保存"
constexpr UINT kStrAdd = 683;        // "添加"
constexpr UINT kStrCancel = 611;     // "取消"
constexpr UINT kStrEditGroup = 700;  // "组别编辑"
constexpr UINT kStrAddAsNew = 850;   // "添加为新联系人"
constexpr UINT kStrAddToExisting = 706;  // "添加到现有联系人"

constexpr UINT kMenuAddAsNew = 100;
constexpr UINT kMenuAddToExisting = 101;
constexpr int kSlideIn = 12;
constexpr int kSlideBack = 11;
constexpr const wchar_t* kPhoneHost = L"\\windows\\telhub.exe";

}  // namespace

CContactInfoWnd::CContactInfoWnd() = default;

CContactInfoWnd::~CContactInfoWnd() = default;

void CContactInfoWnd::setVcfFile(const wchar_t* path) { DecodeCard(true, path); }

void CContactInfoWnd::setVcfBuf(const wchar_t* text) { DecodeCard(false, text); }

void CContactInfoWnd::DecodeCard(bool fromFile, const wchar_t* source) {
  m_vcardContact = std::make_unique<CContactInfo>();
  CVcardCodec codec;
  const qzu::string card(source);
  bool decoded = fromFile ? codec.DecodeVcfFile(card, *m_vcardContact) : codec.DecodeVcfBuf(card, *m_vcardContact);
  if (decoded)
    m_vcardContact->FormatFileAs();
  else
    m_vcardContact.reset();
}

BOOL CContactInfoWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(LoadResString(kStrDetails));
  const int width = GetWidth();
  const int height = GetHeight();

  m_list = std::make_unique<UiListContactInfo>();
  m_list->SetID(kDetailsListId);
  m_list->SetPos(0, 0, width, height - UiToolBarPro::kHeight);
  m_list->EnableNotifyMessage(TRUE);
  if (m_record) {
    m_list->GetContact() = *m_record;
    m_list->SetRecordLoaded(true);
  } else if (m_contactId != 0) {
    m_list->SetContactId(m_contactId);
    m_showsStored = true;
  } else if (m_vcardContact) {
    m_list->GetContact() = *m_vcardContact;
    m_list->SetRecordLoaded(true);
  } else {
    m_list.reset();
    return FALSE;
  }
  ContactsChanged(m_changeCount);
  m_list->AddAllItems();
  AddUiWin(m_list.get());

  m_toolBar.SetPos(0, height - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  if (m_contactId != 0)
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrEdit));
  else if (m_vcardContact)
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, !m_vcardContact->fileAs.empty(), LoadResString(kStrSave));
  else
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrAdd));
  AddUiWin(&m_toolBar);
  return TRUE;
}

LRESULT CContactInfoWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == kDetailsListId) {
    PressContactInfo(static_cast<long>(lParam));
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_LEFT) {
    if (m_groupPicker)
      ExitGroupEdit();
    else
      EndModal(kResultBack);
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_RIGHT) {
    OnSecondButton();
  }
  return 0;
}

void CContactInfoWnd::OnSecondButton() {
  if (m_contactId != 0) {
    const int result = FastEditContact(GetHwnd(), m_contactId);
    if (result > 0) {
      ReloadFromStore();
    } else if (result == 0 || result == -1) {
      EndModal(kResultDone);
    }
  } else if (m_vcardContact) {
    SaveVcardContact();
  } else if (m_record) {
    AddRecordToContacts();
  }
}

void CContactInfoWnd::SaveVcardContact() {
  for (qzu::string& group : m_vcardContact->categories) group = GetGroupStoreName(group);
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->AddContact(*m_vcardContact);
  EndModal(kResultDone);
}

void CContactInfoWnd::AddRecordToContacts() {
  QzPopupMenu menu;
  menu.AppendMenuItem(kMenuAddAsNew, LoadResString(kStrAddAsNew), 0);
  menu.AppendMenuItem(kMenuAddToExisting, LoadResString(kStrAddToExisting), 0);
  const UINT chosen = menu.QzTrackPopupMenu(GetHwnd(), 1, LoadResString(kStrCancel), 0);
  if (chosen != kMenuAddAsNew && chosen != kMenuAddToExisting) return;
  // The first number, else the first e-mail address, is what gets added.
  int kind = 0;
  const wchar_t* value = nullptr;
  if (!m_record->phoneNumbers.empty()) {
    kind = 256;
    value = m_record->phoneNumbers[0].value.c_str();
  } else if (!m_record->emails.empty()) {
    kind = 512;
    value = m_record->emails[0].value.c_str();
  } else {
    return;
  }
  const int result = chosen == kMenuAddAsNew ? FastNewContact(GetHwnd(), kind, value, m_record->firstName.c_str())
                                             : FastAddItem2Contact(GetHwnd(), kind, value);
  if (result != 0) EndModal(kResultDone);
}

void CContactInfoWnd::ReloadFromStore() {
  m_list->SetContactId(m_contactId);
  m_list->SetRecordLoaded(false);
  ContactsChanged(m_changeCount);
  m_list->AddAllItems();
  m_showsStored = true;
  m_list->Invalidate();
  m_list->Update();
}

bool CContactInfoWnd::RowStillCurrent(int row) {
  if (!m_showsStored || !ContactsChanged(m_changeCount)) return true;
  auto shown = [&] {
    qzu::string text;
    bool copyable = m_list->GetRowCopyText(row, text);
    return std::make_tuple(m_list->GetRowKind(row), m_list->GetRowValueIndex(row), copyable, text);
  };
  const auto before = shown();
  ReloadFromStore();
  return shown() == before;
}

void CContactInfoWnd::PressContactInfo(long lParam) {
  if (!m_list) return;
  const int row = LOWORD(lParam);
  const int part = HIWORD(lParam);
  // A tap on data that another program changed since they were read acts
  // on what the store says now, and only if the row still shows the same.
  if (!RowStillCurrent(row)) return;
  const int kind = m_list->GetRowKind(row);
  const int index = m_list->GetRowValueIndex(row);
  const CContactInfo& contact = m_list->GetContact();
  if (kind == CONTACT_ROW_PHONE && contact.phoneNumbers.valid_index(index)) {
    const qzu::string& number = contact.phoneNumbers[index].value;
    if (part == CONTACT_PART_ROW)
      IpCallProcess(index);
    else if (part == CONTACT_PART_NUMBER)
      DialNumber(number.c_str(), 0);
    else if (part == CONTACT_PART_MESSAGE)
      ComposeSms(number.c_str(), nullptr);
    else if (part == CONTACT_PART_LONG_PRESS)
      OnPopUpMessage(row, number);
  } else if (kind == CONTACT_ROW_GROUPS) {
    if (m_contactId != 0) SwitchWindowGroupEdit();
  } else if (kind == CONTACT_ROW_EMAIL && contact.emails.valid_index(index)) {
    const qzu::string& address = contact.emails[index].value;
    if (part == CONTACT_PART_ROW)
      ComposeEmail(GetHwnd(), address.c_str());
    else if (part == CONTACT_PART_LONG_PRESS)
      OnPopUpMessage(row, address);
  } else if (kind == CONTACT_ROW_SEND && part == CONTACT_PART_ROW) {
    FastSendContactInfo(GetHwnd(), m_list->GetContactId());
  }
}

void CContactInfoWnd::OnPopUpMessage(int row, const qzu::string& text) {
  RunCopyBubble(*this, *m_list, m_list->CopyMode(), row, text.c_str(), kCopyBubbleThresholdContacts);
}

// The prefix goes in front once: a number that already begins with it is
// dialled as it is.
void CContactInfoWnd::IpCallProcess(int index) {
  if (!m_list || !m_list->GetContact().phoneNumbers.valid_index(index)) return;
  const qzu::string number = m_list->GetContact().phoneNumbers[index].value;
  if (number.empty() || IpCallRule::FromSettings().Dial(number)) return;
  LaunchProgram(kPhoneHost, (qzu::string(L"-k ") + number).c_str());
}

void CContactInfoWnd::SwitchWindowGroupEdit() {
  if (m_groupPicker) return;
  HBITMAP before = GetWindowBitmap();
  m_list->SetVisible(FALSE);
  m_groupPicker = std::make_unique<UiListGroupPicker>();
  m_groupPicker->OpenForContact(kGroupPickerId, GetWidth(), GetHeight() - UiToolBarPro::kHeight,
                                m_list->GetContact().categoryIds);
  AddUiWin(m_groupPicker.get());
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, FALSE, FALSE, L"");
  AnimateTransition(before, GetWindowBitmap(), kSlideIn, GetHwnd());
  SetWindowText(LoadResString(kStrEditGroup));
  Invalidate();
  Update();
}

void CContactInfoWnd::ExitGroupEdit() {
  if (!m_groupPicker) return;
  HBITMAP before = GetWindowBitmap();
  const qzu::array<int> groupIds = m_groupPicker->GetChosenGroupIds();
  RemoveUiWin(m_groupPicker.get());
  m_groupPicker.reset();
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) {
    // The groups belong to the contact of the window's identifier, also when
    // the list showed a record the caller gave.
    CContactInfo& contact = m_list->GetContact();
    if (contact.contactId == 0) contact.contactId = m_contactId;
    db->UpdateCategories(contact, groupIds);
    ReloadFromStore();
  }
  m_list->SetVisible(TRUE);
  SetDetailsToolBar();
  AnimateTransition(before, GetWindowBitmap(), kSlideBack, GetHwnd());
  SetWindowText(LoadResString(kStrDetails));
  Invalidate();
  Update();
}

void CContactInfoWnd::SetDetailsToolBar() {
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrEdit));
}
