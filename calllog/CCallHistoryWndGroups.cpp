// The group choice of the call log's details: a contact's groups, or the
// blacklist for a number that belongs to no contact.
#include "calllog/CCallHistoryWnd.h"
#include "calllog/details/UiListCallInfo.h"
#include "contactdata/GroupNames.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "core/module/Resources.h"

namespace {

constexpr UINT kStrBack = 626, kStrBlacklist = 677;
// A stranger put on the blacklist is stored with the number as "other".
constexpr int kOtherNumberType = 4;

}  // namespace

void CCallHistoryWnd::OpenGroupPicker() {
  if (!m_details) return;
  m_view = VIEW_GROUP_PICKER;
  m_details->SetVisible(FALSE);
  DropGroupPicker();
  const int contactId = m_details->GetContactId();
  m_groupPicker = new UiListGroupPicker();
  const int height = GetHeight() - UiToolBarPro::kHeight;
  if (contactId != 0)
    m_groupPicker->OpenForContact(kGroupPickerId, GetWidth(), height, m_details->GetContact().categoryIds);
  else
    m_groupPicker->OpenForStranger(kGroupPickerId, GetWidth(), height);
  AddUiWin(m_groupPicker);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, FALSE, FALSE, L"");
  RedrawAll();
}

void CCallHistoryWnd::CloseGroupPicker() {
  m_view = VIEW_DETAILS;
  qzu::array<int> chosen;
  if (m_groupPicker) chosen = m_groupPicker->GetChosenGroupIds();
  DropGroupPicker();
  if (m_details) {
    StoreGroupChoice(chosen);
    m_details->SetVisible(TRUE);
  }
  SetDetailsButtons();
  RedrawAll();
}

void CCallHistoryWnd::DropGroupPicker() {
  if (!m_groupPicker) return;
  RemoveUiWin(m_groupPicker);
  delete m_groupPicker;
  m_groupPicker = nullptr;
}

void CCallHistoryWnd::StoreGroupChoice(const qzu::array<int>& chosen) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  if (m_details->GetContactId() != 0 || chosen.empty()) {
    if (m_details->GetContactId() != 0) db->UpdateCategories(m_details->GetContact(), chosen);
    RebuildDetails();
    return;
  }
  // A stranger's number goes on the blacklist as a contact of its own.
  const qzu::string& number = m_details->GetNumber();
  CContactInfo record;
  record.UpdateNameInfo(qzu::string(), number, qzu::string());
  record.FormatFileAs();
  record.AddPhoneNumber(0, number, kOtherNumberType, 1);
  record.AddToCategoris(GetGroupStoreName(qzu::string(LoadResString(kStrBlacklist).GetString())));
  const int contactId = db->AddContact(record);
  if (contactId > 0) {
    m_details->SetContactId(contactId);
    RebuildDetails();
  }
}
