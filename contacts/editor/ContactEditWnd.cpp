#include "contacts/editor/ContactEditWnd.h"

#include "contactdata/GroupNames.h"
#include "contacts/editor/AddressEditWnd.h"
#include "contacts/editor/BirthdayPicker.h"
#include "contacts/editor/PhotoMenu.h"
#include "contacts/editor/RingTonePicker.h"
#include "contacts/editor/UiListContactEdit.h"
#include "contacts/editor/dialogs/CNameEditWnd.h"
#include "contacts/editor/dialogs/CNoteEditWnd.h"
#include "contacts/editor/dialogs/CValueEditWnd.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "core/util/AnimateTransition.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrNewContact = 603, kStrEditContact = 682, kStrCancel = 611, kStrSave = 604;
constexpr UINT kStrBack = 626, kStrDone = 685, kStrDelete = 633, kStrConfirmDelete = 653;
constexpr UINT kImgDeleteFace = 320, kImgDeleteFacePressed = 321;
constexpr int kShowSlide = 12, kHideSlide = 11;

// The add-information menu: command id (the edit kind) and text.
struct MenuEntry {
  int kind;
  UINT text;
};
constexpr MenuEntry kAddInfoMenu[] = {
    {EDIT_KIND_EMAIL, 608}, {EDIT_KIND_ADDRESS, 610}, {EDIT_KIND_QQ, 662},   {EDIT_KIND_MSN, 663},
    {EDIT_KIND_WEB_PAGE, 609}, {EDIT_KIND_BIRTHDAY, 664}, {EDIT_KIND_NOTE, 665},
};

// The edit kind that a tap on zone 0 of a value row opens.
int EditKindOfRow(int rowKind) {
  switch (rowKind) {
    case EDIT_ROW_EMAIL:
      return EDIT_KIND_EMAIL;
    case EDIT_ROW_ADDRESS:
      return EDIT_KIND_ADDRESS;
    case EDIT_ROW_QQ:
      return EDIT_KIND_QQ;
    case EDIT_ROW_MSN:
      return EDIT_KIND_MSN;
    case EDIT_ROW_WEB_PAGE:
      return EDIT_KIND_WEB_PAGE;
    case EDIT_ROW_BIRTHDAY:
      return EDIT_KIND_BIRTHDAY;
    case EDIT_ROW_NOTE:
      return EDIT_KIND_NOTE;
    default:
      return 0;  // opens nothing
  }
}

// Runs a field dialog over the work area, sliding in over the editor.
int RunFieldDialog(CQzWndEx& dialog, HWND owner) {
  RECT wa = QzGetWorkArea();
  if (!dialog.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, owner, 0, WS_POPUP)) return 0;
  dialog.SetAnimateType_Show(kShowSlide);
  dialog.SetAnimateType_Hide(kHideSlide);
  dialog.SetAnimateEdge(UiToolBarPro::kHeight, 0, 0, 0);
  int result = dialog.DoModal(TRUE);
  dialog.DestroyWindow();
  return result;
}

}  // namespace

CContactEditWnd::CContactEditWnd() = default;
CContactEditWnd::~CContactEditWnd() {
  if (m_fieldList) RemoveUiWin(m_fieldList.get());
  if (m_groupPicker) RemoveUiWin(m_groupPicker.get());
}

LPCWSTR CContactEditWnd::GetQzClassName() { return L"CContactEditWnd"; }

BOOL CContactEditWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return FALSE;
  // An identifier the store does not know leaves the record empty.
  if (m_contactId != 0) db->GetContactInfo(m_contactId, m_record, false);

  SetWindowText(LoadResString(m_mode == EDIT_MODE_EDIT ? kStrEditContact : kStrNewContact));
  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetPos(0, GetHeight() - UiToolBarPro::kHeight, GetWidth(), UiToolBarPro::kHeight);
  SetUpToolBar();
  AddUiWin(&m_toolBar);

  m_fieldList = std::make_unique<UiListContactEdit>();
  m_fieldList->SetID(kFieldListId);
  m_fieldList->SetMode(m_mode);
  m_fieldList->EnableNotifyMessage(TRUE);
  m_fieldList->SetContactInfo(&m_record);
  m_fieldList->SetPos(0, 0, GetWidth(), GetHeight() - UiToolBarPro::kHeight);
  m_fieldList->ReloadItems();
  AddUiWin(m_fieldList.get());
  return TRUE;
}

void CContactEditWnd::SetUpToolBar() {
  if (m_mode == EDIT_MODE_EDIT) {
    m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrDone));
    HMODULE toolkitImages = GetQzResV2ModuleHandle();
    m_toolBar.SetMiddleButton(TRUE, TRUE, LoadResString(kStrDelete),
                              ImagingHelper::GetImageObject(toolkitImages, kImgDeleteFace, TRUE),
                              ImagingHelper::GetImageObject(toolkitImages, kImgDeleteFacePressed, TRUE));
  } else {
    m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, CanSave(), LoadResString(kStrSave));
    m_toolBar.ShowButton(TOOLBAR_BUTTON_MIDDLE, FALSE);
  }
}

bool CContactEditWnd::CanSave() const {
  return !m_record.lastName.empty() || !m_record.firstName.empty() || !m_record.company.empty();
}

void CContactEditWnd::UpdateSaveButton() {
  if (m_mode == EDIT_MODE_EDIT || m_groupEdit) return;
  m_toolBar.EnableButton(TOOLBAR_BUTTON_RIGHT, CanSave());
  m_toolBar.Invalidate();
  m_toolBar.Update();
}

void CContactEditWnd::RefreshFieldList() {
  if (!m_fieldList) return;
  m_fieldList->ReloadItems();
  m_fieldList->Invalidate();
  m_fieldList->Update();
  UpdateSaveButton();
}

LRESULT CContactEditWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Back from a field dialog: the name may have changed.
  if (msg == QZ_WM_ACTIVATE && LOWORD(wParam) != 0) UpdateSaveButton();
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CContactEditWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (!CContactsDbIf::GetContactDbIf()) return 0;
  const int id = LOWORD(wParam);
  if (id == kToolBarId) {
    OnToolBar(static_cast<int>(lParam));
  } else if (id == kFieldListId && !m_groupEdit) {
    const int zone = HIWORD(lParam) == 0xFFFF ? kNoZone : HIWORD(lParam);
    OnFieldTap(LOWORD(lParam), zone);
  }
  return 0;
}

void CContactEditWnd::OnToolBar(int button) {
  if (button == TOOLBAR_BUTTON_LEFT) {
    if (m_groupEdit)
      LeaveGroupEdit();
    else
      EndModal(kResultCancelled);
  } else if (button == TOOLBAR_BUTTON_RIGHT) {
    Save();
  } else if (button == TOOLBAR_BUTTON_MIDDLE && m_mode == EDIT_MODE_EDIT) {
    DeleteContact();
  }
}

void CContactEditWnd::Save() {
  if (!CanSave()) return;
  if (m_mode == EDIT_MODE_NEW) {
    for (qzu::string& category : m_record.categories) category = GetGroupStoreName(category);
    const int id = CContactsDbIf::GetContactDbIf()->AddContact(m_record);
    // A contact the store refused stays on screen rather than being lost.
    if (id <= 0) return;
    m_contactId = id;
    m_record.contactId = id;
  }
  EndModal(kResultSaved);
}

void CContactEditWnd::DeleteContact() {
  if (QzMessageBoxV2(GetHwnd(), LoadResString(kStrConfirmDelete), 2, 0) != 1) return;
  CContactsDbIf::GetContactDbIf()->RemoveContact(m_contactId);
  EndModal(kResultDeleted);
}

void CContactEditWnd::OnFieldTap(int row, int zone) {
  const int kind = m_fieldList->GetRowKind(row);
  const int index = m_fieldList->GetRowIndex(row);
  switch (kind) {
    case EDIT_ROW_HEADER:
      OpenFieldEditor(zone == 0 ? EDIT_KIND_PHOTO : EDIT_KIND_NAME, &m_record, -1, GetHwnd(), m_fieldList.get());
      break;
    case EDIT_ROW_PHONE:
      if (zone == 1) OpenFieldEditor(EDIT_KIND_PHONE, &m_record, index, GetHwnd(), m_fieldList.get());
      break;
    case EDIT_ROW_ADD_BUTTONS:
      if (zone == 0)
        OpenFieldEditor(EDIT_KIND_PHONE, &m_record, -1, GetHwnd(), m_fieldList.get());
      else
        ShowAddInfoMenu(GetHwnd());
      break;
    case EDIT_ROW_RING:
      PickRingTone(GetHwnd());
      break;
    case EDIT_ROW_GROUPS:
      EnterGroupEdit();
      break;
    default:
      if (zone == 0) OpenFieldEditor(EditKindOfRow(kind), &m_record, index, GetHwnd(), m_fieldList.get());
      break;
  }
}

void CContactEditWnd::ShowAddInfoMenu(HWND owner) {
  QzPopupMenu menu;
  for (const MenuEntry& entry : kAddInfoMenu)
    menu.AppendMenuItem(static_cast<UINT>(entry.kind), LoadResString(entry.text), 0);
  const UINT chosen = menu.QzTrackPopupMenu(owner, 1, LoadResString(kStrCancel), 0);
  OpenFieldEditor(static_cast<int>(chosen), &m_record, -1, owner, m_fieldList.get());
}

void CContactEditWnd::OpenFieldEditor(int editKind, CContactInfo* record, int entryIndex, HWND owner,
                                      UiListContactEdit* list) {
  if (!record) return;
  int result = 0;
  switch (editKind) {
    case EDIT_KIND_PHOTO:
      ShowPhotoMenu(owner);
      return;
    case EDIT_KIND_BIRTHDAY:
      PickBirthday(owner);
      return;
    case EDIT_KIND_ADDRESS: {
      CAddressEditWnd dialog;
      dialog.SetContactInfo(record);
      dialog.SetAddressIndex(entryIndex);
      result = RunFieldDialog(dialog, owner);
      break;
    }
    case EDIT_KIND_PHONE:
    case EDIT_KIND_EMAIL:
    case EDIT_KIND_WEB_PAGE:
    case EDIT_KIND_MSN:
    case EDIT_KIND_QQ: {
      CValueEditWnd dialog(editKind, m_mode);
      dialog.SetContactInfo(record);
      dialog.SetEntryIndex(entryIndex);
      result = RunFieldDialog(dialog, owner);
      break;
    }
    case EDIT_KIND_NAME: {
      CNameEditWnd dialog;
      dialog.SetContactInfo(record);
      result = RunFieldDialog(dialog, owner);
      break;
    }
    case EDIT_KIND_NOTE: {
      CNoteEditWnd dialog;
      dialog.SetContactInfo(record);
      result = RunFieldDialog(dialog, owner);
      break;
    }
    default:
      return;
  }
  if (result == 1 && list) {
    list->ReloadItems();
    list->Invalidate();
    list->Update();
    UpdateSaveButton();
  }
}

void CContactEditWnd::PickBirthday(HWND owner) {
  if (::PickBirthday(owner, m_record)) RefreshFieldList();
}

void CContactEditWnd::ShowPhotoMenu(HWND owner) {
  if (!RunPhotoMenu(owner, m_record) || !m_fieldList) return;
  m_fieldList->RefreshPhoto();
  m_fieldList->Invalidate();
  m_fieldList->Update();
}

void CContactEditWnd::PickRingTone(HWND owner) {
  if (PickContactRingTone(owner, m_record)) RefreshFieldList();
}

void CContactEditWnd::EnterGroupEdit() {
  m_groupEdit = true;
  HBITMAP before = GetWindowBitmap();
  m_fieldList->SetVisible(FALSE);
  m_groupPicker = std::make_unique<UiListGroupPicker>();
  m_groupPicker->OpenForContact(kGroupPickerId, GetWidth(), GetHeight() - UiToolBarPro::kHeight,
                                m_record.categoryIds);
  AddUiWin(m_groupPicker.get());
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  m_toolBar.ShowButton(TOOLBAR_BUTTON_RIGHT, FALSE);
  if (m_mode == EDIT_MODE_EDIT) m_toolBar.ShowButton(TOOLBAR_BUTTON_MIDDLE, FALSE);
  AnimateTransition(before, GetWindowBitmap(), kShowSlide, GetHwnd());
  Invalidate();
  Update();
}

void CContactEditWnd::LeaveGroupEdit() {
  m_groupEdit = false;
  HBITMAP before = GetWindowBitmap();
  // Names and identifiers of the chosen rows, pair by pair in row order.
  const qzu::array<int> chosen = m_groupPicker->GetChosenGroupIds();
  qzu::array<qzu::string> names;
  qzu::array<int> ids;
  for (int row = 0; row < m_groupPicker->GetItemCount(); ++row) {
    const ListItem* item = m_groupPicker->GetItem(row);
    const int id = static_cast<int>(item->data);
    for (int chosenId : chosen)
      if (chosenId == id) {
        names.add(qzu::string(item->text.c_str()));
        ids.add(id);
        break;
      }
  }
  RemoveUiWin(m_groupPicker.get());
  m_groupPicker.reset();

  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (db && m_record.contactId > 0) db->UpdateCategories(m_record, chosen);
  m_record.RemoveAllCategoris();
  for (int i = 0; i < names.size(); ++i) {
    m_record.AddToCategoris(names[i]);
    m_record.categoryIds.add(ids[i]);
  }

  m_fieldList->SetVisible(TRUE);
  m_fieldList->ReloadItems();
  // Back from the groups, the left button reads "back" in every mode.
  SetUpToolBar();
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  AnimateTransition(before, GetWindowBitmap(), kHideSlide, GetHwnd());
  Invalidate();
  Update();
}
