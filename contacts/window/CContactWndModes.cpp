// The contacts book's modes: entering each, and the tool bar that moves
// between them.
#include "contacts/details/UiListContactInfo.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "contacts/window/ContactWndTexts.h"
#include "core/module/Resources.h"
#include "core/tabs/TabButtons.h"

using namespace contact_wnd;

namespace {

bool IsListMode(CONTACT_WINDOW_MODE mode) {
  return mode == MODE_NORMAL || mode == MODE_SEARCH || mode == MODE_GROUP_MEMBER;
}

}  // namespace

void CContactWnd::SwitchWindowMode(CONTACT_WINDOW_MODE mode, void* parameter, bool redraw, bool animate) {
  if (mode == m_mode) return;
  m_list.SetSelectedIndex(-1);
  if (m_list.IsScrolling()) m_list.ScrollStop();
  m_previousMode = m_mode;
  m_mode = mode;
  const int id = static_cast<int>(reinterpret_cast<intptr_t>(parameter));
  switch (mode) {
    case MODE_NORMAL:
      SwitchWindowNoraml(animate);
      break;
    case MODE_SEARCH:
      SwitchWindowSearch(animate);
      break;
    case MODE_DETAILS:
      if (IsListMode(m_previousMode)) m_detailsReturnMode = m_previousMode;
      SwitchWindowDetails(id);
      break;
    case MODE_GROUP:
      SwitchWindowGroup();
      break;
    case MODE_GROUP_MEMBER:
      SwitchWindowGroupMember(id);
      break;
    case MODE_GROUP_EDIT:
      SwitchWindowGroupEdit();
      break;
  }
  if (redraw) {
    Invalidate(nullptr);
    Update();
  }
}

void CContactWnd::RemoveGroupPicker() {
  if (!m_groupPicker) return;
  RemoveUiWin(m_groupPicker);
  delete m_groupPicker;
  m_groupPicker = nullptr;
}

void CContactWnd::SwitchWindowNoraml(bool animate) {
  HBITMAP before = animate ? TakeBitmap() : nullptr;
  DeinitContactInfoList();
  RemoveGroupPicker();
  m_searchBox.SetVisible(TRUE);
  m_countButton.SetVisible(TRUE);
  m_searchField.SetVisible(FALSE);
  SetToolBarTexts(MODE_NORMAL);
  m_searchField.SetFocus(FALSE);
  m_list.SetVisible(TRUE);
  const bool fromDetails = m_previousMode == MODE_DETAILS;
  if (!fromDetails) m_list.SetTopPos(0);
  m_listModel->kind = AllContacts;
  SetListHeight(FullListHeight());
  m_listModel->searchKey = L"";
  m_list.EnableDragModeH(FALSE);
  // Coming back from details over unchanged data keeps the rows and the
  // scroll position; the change check runs either way, so that it records
  // the count the rows now stand for.
  if (DataChanged() || !fromDetails) {
    m_listModel->Reload();
    UpdateContactsCountDisplay();
  }
  UpdateAlphabetBarState();
  if (animate) Slide(before, kSlideBack);
  m_baseMode = MODE_NORMAL;
  SetTitle(kStrAddressBook);
}

void CContactWnd::SwitchWindowSearch(bool focus) {
  DeinitContactInfoList();
  m_searchBox.SetVisible(TRUE);
  m_countButton.SetVisible(FALSE);
  m_alphabetBar.SetVisible(FALSE);
  m_searchField.SetVisible(TRUE);
  m_list.SetVisible(TRUE);
  m_list.EnableDragModeH(FALSE);
  m_listModel->kind = SearchResults;
  SetListHeight(ShortListHeight());
  SetToolBarTexts(MODE_SEARCH);
  RemoveGroupPicker();
  const bool fromDetails = m_previousMode == MODE_DETAILS;
  // Back from details the search goes on where it was: its text and rows.
  if (!fromDetails) {
    m_searchField.SetText(L"");
    m_listModel->searchKey = L"";
  }
  if (DataChanged() || !fromDetails) {
    m_listModel->Reload();
    if (!fromDetails) m_list.SetTopPos(0);
  }
  m_baseMode = MODE_SEARCH;
  // Back from details the title would still name the contact.
  SetTitle(kStrAddressBook);
  if (focus) {
    m_searchField.SetFocus(TRUE);
    m_keyboardHidden = false;
  } else {
    m_keyboardHidden = true;
    SetListHeight(FullListHeight());
  }
}

void CContactWnd::SwitchWindowDetails(int contactId) {
  if (m_searchField.IsVisible()) m_searchField.SetVisible(FALSE);
  m_searchField.SetFocus(FALSE);
  m_searchBox.SetVisible(FALSE);
  m_alphabetBar.SetVisible(FALSE);
  m_countButton.SetVisible(FALSE);
  HBITMAP before = TakeBitmap();
  const bool fromGroupEdit = m_previousMode == MODE_GROUP_EDIT;
  if (fromGroupEdit && m_contactInfoList) {
    qzu::array<int> chosen = m_groupPicker ? m_groupPicker->GetChosenGroupIds() : qzu::array<int>();
    const bool picked = m_groupPicker != nullptr;
    RemoveGroupPicker();
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    // A contact that another program deleted meanwhile gets no groups: its
    // list reads the store again and shows what is left of it.
    if (db && picked && m_contactInfoList->GetContact().contactId > 0)
      db->UpdateCategories(m_contactInfoList->GetContact(), chosen);
    m_contactInfoList->SetRecordLoaded(false);
    m_contactInfoList->AddAllItems();
    m_contactInfoList->SetVisible(TRUE);
  } else {
    RemoveGroupPicker();
    InitContactInfoList(contactId);
  }
  if (m_list.IsVisible()) m_list.SetVisible(FALSE);
  SetToolBarTexts(MODE_DETAILS);
  Slide(before, fromGroupEdit ? kSlideBack : kSlideForward);
  SetTitle(kStrContactInfo);
}

void CContactWnd::InitContactInfoList(int contactId) {
  DeinitContactInfoList();
  m_contactInfoList = new UiListContactInfo();
  m_contactInfoList->SetID(kContactInfoListId);
  m_contactInfoList->SetPos(0, 0, GetWidth(), GetHeight() - UiToolBarPro::kHeight);
  m_contactInfoList->EnableNotifyMessage(TRUE);
  m_contactInfoList->SetContactId(contactId);
  m_contactInfoList->AddAllItems();
  AddUiWin(m_contactInfoList);
}

void CContactWnd::DeinitContactInfoList() {
  if (!m_contactInfoList) return;
  RemoveUiWin(m_contactInfoList);
  delete m_contactInfoList;
  m_contactInfoList = nullptr;
}

void CContactWnd::SwitchWindowGroup() {
  m_listModel->kind = Groups;
  m_listModel->Reload();
  m_list.EnableDragModeH(TRUE);
  SetToolBarTexts(MODE_GROUP);
  m_alphabetBar.SetVisible(FALSE);
  m_list.EnableScrollBarV(TRUE);
  UpdateContactsCountDisplay();
  SetTitle(kStrGroups);
}

void CContactWnd::SwitchWindowGroupMember(int groupId) {
  m_currentGroupId = groupId;
  m_searchBox.SetVisible(TRUE);
  m_countButton.SetVisible(TRUE);
  m_searchField.SetVisible(FALSE);
  m_searchField.SetFocus(FALSE);
  if (!m_list.IsVisible()) m_list.SetVisible(TRUE);
  SetListHeight(FullListHeight());
  DeinitContactInfoList();
  SetToolBarTexts(MODE_GROUP_MEMBER);
  m_listModel->kind = GroupMembers;
  m_listModel->groupId = groupId;
  m_list.EnableDragModeH(FALSE);
  m_listModel->Reload();
  UpdateContactsCountDisplay();
  UpdateAlphabetBarState();
  SetWindowText(m_groupTitle.c_str());
}

void CContactWnd::SwitchWindowGroupEdit() {
  HBITMAP before = TakeBitmap();
  if (m_contactInfoList) m_contactInfoList->SetVisible(FALSE);
  RemoveGroupPicker();
  m_groupPicker = new UiListGroupPicker();
  m_groupPicker->OpenForContact(kGroupPickerId, GetWidth(), GetHeight() - UiToolBarPro::kHeight,
                                m_contactInfoList ? m_contactInfoList->GetContact().categoryIds : qzu::array<int>());
  AddUiWin(m_groupPicker);
  SetToolBarTexts(MODE_GROUP_EDIT);
  Slide(before, kSlideForward);
  SetTitle(kStrGroupEdit);
}

void CContactWnd::OnToobarPressed(long button) {
  if (button < 0) return;
  if (button == vorna::kCallLogTab || button == vorna::kDialerTab) {
    SwitchWindowMode(static_cast<CONTACT_WINDOW_MODE>(m_baseMode), nullptr, false, false);
    SendTabSwitch(static_cast<int>(button));
    return;
  }
  const auto base = static_cast<CONTACT_WINDOW_MODE>(m_baseMode);
  if (button == vorna::kContactsTab) {
    if (m_mode == MODE_DETAILS) {
      if (m_previousMode == MODE_NORMAL || m_previousMode == MODE_SEARCH)
        SwitchWindowMode(m_previousMode, nullptr, true, true);
      else
        SwitchWindowMode(base, nullptr, true, false);
    } else if (m_mode == MODE_GROUP || m_mode == MODE_GROUP_MEMBER) {
      SwitchWindowMode(MODE_NORMAL, nullptr, true, false);
    } else if (m_mode == MODE_GROUP_EDIT) {
      SwitchWindowMode(base, nullptr, true, false);
    }
    return;
  }
  if (button != TOOLBAR_BUTTON_LEFT && button != TOOLBAR_BUTTON_RIGHT) return;
  const bool left = button == TOOLBAR_BUTTON_LEFT;
  switch (m_mode) {
    case MODE_NORMAL:
      if (left)
        AddNewContact();
      else
        OpenGroups();
      break;
    case MODE_SEARCH:
      if (left)
        SwitchWindowMode(MODE_NORMAL, nullptr, true, false);
      else
        ToggleKeyboard();
      break;
    case MODE_DETAILS:
      if (left) {
        DeinitContactInfoList();
        const bool toGroup = m_detailsReturnMode == MODE_GROUP_MEMBER;
        SwitchWindowMode(m_detailsReturnMode, reinterpret_cast<void*>(static_cast<intptr_t>(toGroup ? m_currentGroupId : 0)),
                         true, true);
      } else {
        EditContactInfo();
      }
      break;
    case MODE_GROUP:
      if (left) {
        AddGroup();
      } else {
        ScrollListToTop();
        SwitchWindowMode(MODE_NORMAL, nullptr, true, false);
      }
      break;
    case MODE_GROUP_MEMBER:
      ScrollListToTop();
      if (left) {
        m_currentGroupId = 0;
        SwitchWindowMode(MODE_GROUP, nullptr, true, true);
      } else {
        SwitchWindowMode(MODE_NORMAL, nullptr, true, false);
      }
      break;
    case MODE_GROUP_EDIT:
      SwitchWindowMode(MODE_DETAILS, nullptr, true, true);
      break;
  }
}

void CContactWnd::ToggleKeyboard() {
  if (m_searchField.HasFocus()) {
    SetListHeight(FullListHeight());
    Redraw(m_list);
    m_keyboardHidden = true;
    m_searchField.SetFocus(FALSE);
  } else {
    SetListHeight(ShortListHeight());
    Redraw(m_list);
    m_keyboardHidden = false;
    m_searchField.SetFocus(TRUE);
  }
}

void CContactWnd::OnTaskbarClick() {
  if (m_mode == MODE_SEARCH && !m_keyboardHidden) {
    SetListHeight(FullListHeight());
    m_list.SetTopPos(0);
    Redraw(m_list);
    m_searchField.SetFocus(FALSE);
    m_keyboardHidden = true;
    return;
  }
  if (m_list.IsScrolling()) m_list.ScrollStop();
  m_list.ScrollTo(LIST_SCROLL_TO_ITEM, 0, TRUE);
}
