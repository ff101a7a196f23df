// The contacts book's list rows and groups: what a tap or a long press on a
// row does, the groups button, new and renamed groups, and the group menu.
#include "contactdata/GroupNames.h"
#include "contacts/groups/CGroupNameWnd.h"
#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "contacts/window/ContactWndTexts.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"

using namespace contact_wnd;

namespace {

// The part of a list row at its right (the number's call button, the group's menu).
constexpr int kRightPart = 2;

void* IdParameter(int id) { return reinterpret_cast<void*>(static_cast<intptr_t>(id)); }

// Runs the group name window over the work area; the stored form of the
// confirmed name, or nothing when the user cancelled.
bool AskGroupName(HWND owner, LPCWSTR initialName, qzu::string& storeName) {
  CGroupNameWnd dialog;
  dialog.SetInitName(initialName);
  const RECT area = QzGetWorkArea();
  bool confirmed = dialog.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, owner, 0,
                                 WS_POPUP) &&
                   dialog.DoModal(TRUE) == CGroupNameWnd::kResultConfirm;
  if (confirmed) storeName = GetGroupStoreName(qzu::string(dialog.GetText()));
  dialog.DestroyWindow();
  return confirmed;
}

}  // namespace

void CContactWnd::ContactListItemSelectProc(int row, int part, int message) {
  if (row < 0) return;
  int id = 0;
  qzu::string text;
  if (!m_listModel->GetItemIdAndText(row, id, text)) return;
  const bool tap = static_cast<UINT>(message) == QZ_WM_LIST_CLICK;
  if (m_listModel->kind != Groups) {
    if (part == kRightPart) {
      if (tap)
        DialNumber(text.c_str(), 0);
      else
        IpCallProcess(text);
    } else if (tap) {
      SwitchWindowMode(MODE_DETAILS, IdParameter(id), true, true);
    }
    return;
  }
  if (part == kRightPart) {
    ShowGroupMenu(row, id);
  } else if (tap) {
    m_currentGroupId = id;
    m_groupTitle = text;
    ScrollListToTop();
    SwitchWindowMode(MODE_GROUP_MEMBER, IdParameter(id), true, true);
  }
}

void CContactWnd::OpenGroups() {
  int members = 0;
  if (m_currentGroupId > 0)
    if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) members = db->GetGroupContactsCount(m_currentGroupId);
  ScrollListToTop();
  if (members > 0)
    SwitchWindowMode(MODE_GROUP_MEMBER, IdParameter(m_currentGroupId), true, true);
  else
    SwitchWindowMode(MODE_GROUP, nullptr, true, true);
}

void CContactWnd::AddGroup() {
  qzu::string name;
  if (!AskGroupName(GetHwnd(), L"", name)) return;
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->AddGroup(name);
  m_listModel->Reload();
  UpdateContactsCountDisplay();
  Redraw(m_list);
}

void CContactWnd::RenameGroup(int row, int groupId) {
  qzu::string name;
  if (!AskGroupName(GetHwnd(), m_listModel->GetItemText(row), name)) return;
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->UpdateGroupName(groupId, name);
  m_listModel->Reload();
  Redraw(m_list);
}

void CContactWnd::ShowGroupMenu(int row, int groupId) {
  QzPopupMenu menu;
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) {
    if (db->IsGroupPNExist(groupId)) menu.AppendMenuItem(kMenuGroupMessage, LoadResString(kStrSendMessage), 0);
    if (db->IsGroupEmailExist(groupId)) menu.AppendMenuItem(kMenuGroupEmail, LoadResString(kStrSendEmail), 0);
  }
  // The ungrouped row and the row after it keep their names.
  if (row > 1) menu.AppendMenuItem(kMenuGroupRename, LoadResString(kStrGroupEdit), 0);
  if (menu.GetItemCount() == 0) return;
  switch (menu.QzTrackPopupMenu(GetHwnd(), 1, LoadResString(kStrCancel), 0)) {
    case kMenuGroupMessage:
      ComposeGroupSms(groupId, L"");
      break;
    case kMenuGroupEmail:
      ComposeGroupEmail(GetHwnd(), groupId);
      break;
    case kMenuGroupRename:
      RenameGroup(row, groupId);
      break;
    default:
      break;
  }
}

LRESULT CContactWnd::OnSearchEdit(UINT controlId, LPARAM lParam) {
  if (controlId != kSearchFieldId) return 0;
  const UINT code = LOWORD(lParam);
  const UINT extra = HIWORD(lParam);
  if (code == QZ_EN_CHAR && (extra == 13 || extra == 10)) return 0;
  if (code == QZ_EN_CHAR || code == QZ_EN_DELETE || code == QZ_EN_PASTE || code == QZ_EN_CLEAR) {
    RefreshSearch();
  } else if (code == QZ_EN_SIP && extra == 1 && m_keyboardHidden) {
    SetListHeight(ShortListHeight());
    Redraw(m_list);
    m_keyboardHidden = false;
  } else if (code == QZ_EN_SIP && extra == 0 && m_mode == MODE_SEARCH && !m_keyboardHidden &&
             m_searchField.HasFocus()) {
    // Put away with its own key: as the keyboard button does, the list takes
    // the room back and the field lets go of the focus, so that a tap on it
    // or the button brings the keyboard up again.
    ToggleKeyboard();
  }
  return 0;
}

void CContactWnd::RefreshSearch() {
  m_listModel->searchKey = m_searchField.GetText();
  m_listModel->Reload();
  m_list.SetTopPos(0);
  Redraw(m_list);
}
