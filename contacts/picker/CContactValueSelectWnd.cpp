#include "contacts/picker/CContactValueSelectWnd.h"

#include "contacts/picker/ContactValueCollection.h"
#include "core/module/Resources.h"
#include "core/shell/ShellNotify.h"

namespace {

constexpr UINT kStrChooseContact = 862, kStrChooseNumber = 863, kStrChooseEmail = 864;
constexpr UINT kStrCancel = 611, kStrBack = 626, kStrOk = 637, kStrSelectAll = 687;
constexpr UINT kImgSelectAll = 123, kImgSelectAllPressed = 122;  // the toolkit's own
constexpr int kRowHeight = ContactValueCollection::kRowHeight;
// The bar shows once the list is longer than the screen's work area.
constexpr int kAlphabetBarMinContent = 720;

ImagingHelper* ToolkitImage(UINT id) { return ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), id, TRUE); }

}  // namespace

CContactValueSelectWnd::CContactValueSelectWnd() : m_collection(new ContactValueCollection()) {}

CContactValueSelectWnd::~CContactValueSelectWnd() {
  m_list.SetCustomItemCollection(nullptr);
  delete m_collection;
}

void CContactValueSelectWnd::SetSelectType(CONTACT_VALUE_SELECT_TYPE type) { m_selectType = type; }
void CContactValueSelectWnd::SetInitSelectedContact(int contactId) { m_selectedContactId = contactId; }

void CContactValueSelectWnd::SetSelectContactId(int row) {
  if (const ContactValueInfo* info = m_collection->GetRow(row)) m_selectedContactId = info->id;
}

bool CContactValueSelectWnd::IsSingleChoice() const {
  return m_selectType == SELECT_ONE_CONTACT || m_selectType == SELECT_ONE_PHONE_NUMBER;
}

BOOL CContactValueSelectWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  const int width = GetWidth();
  const int height = GetHeight();
  const bool single = IsSingleChoice();
  UINT title = kStrChooseContact;
  if (m_selectType == SELECT_PHONE_NUMBERS || m_selectType == SELECT_ONE_PHONE_NUMBER) title = kStrChooseNumber;
  if (m_selectType == SELECT_EMAILS) title = kStrChooseEmail;
  SetWindowText(LoadResString(title));

  m_collection->SetSelectType(static_cast<CONTACT_VALUE_SELECT_TYPE>(m_selectType));
  m_collection->LoadValues(m_selectedContactId > 0 && m_selectType == SELECT_CONTACTS ? m_selectedContactId : 0);

  m_list.SetCustomItemCollection(m_collection);
  m_list.SetItemHeight(kRowHeight);
  if (single) {
    m_list.SetSingleSelectItemStyle(LIST_SINGLE_SELECT_ITEM);
    m_list.SetMultiSelectMode(0);
  } else {
    m_list.SetItemAttribute(ItemAttribute::CreateItemAttribute(ITEM_ATTR_CHECK_LIST));
    m_list.SetMultiSelectMode(1);
    m_list.EnablePartitionMultiSelect(TRUE);
  }
  m_list.EnableDragModeH(FALSE);
  m_list.SetID(kListId);
  m_list.SetPos(0, 0, width, height - UiToolBarPro::kHeight);
  m_list.EnableNotifyMessage(TRUE);
  AddUiWin(&m_list);

  m_toolBar.SetPos(0, height - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
  if (single) {
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, FALSE, FALSE, L"");
    m_toolBar.SetSeparatorLine(TOOLBAR_BUTTON_RIGHT, FALSE);
  } else {
    const CQzStringW selectAll = LoadResString(kStrSelectAll);
    if (m_collection->GetItemCount() > 0)
      m_toolBar.SetMiddleButton(TRUE, TRUE, selectAll, ToolkitImage(kImgSelectAll), ToolkitImage(kImgSelectAllPressed));
    else
      m_toolBar.SetMiddleButton(TRUE, FALSE, selectAll, nullptr, ToolkitImage(kImgSelectAllPressed),
                                ToolkitImage(kImgSelectAll));
    m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, m_collection->GetSelectedValueCount() > 0, LoadResString(kStrOk));
  }
  AddUiWin(&m_toolBar);

  m_alphabetBar.SetPos(430, 10, 50, m_list.GetHeight() - 20);
  m_alphabetBar.SetID(kAlphabetBarId);
  AddUiWin(&m_alphabetBar);
  UpdateAlphabetBarState();

  RegisterShellNotify(GetHwnd(), SHELL_NOTIFY_CLICK_TASKBAR);
  return TRUE;
}

LRESULT CContactValueSelectWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SHOWWINDOW && wParam == 1 && m_selectedContactId != 0) {
    m_selectedContactId = 0;
    const int row = m_collection->GetPreselectedRow();
    if (row >= 0) {
      m_collection->SetItemSelected(row, TRUE);
      m_list.ScrollTo(LIST_SCROLL_TO_TOPPOS, -kRowHeight * row, TRUE);
    }
  } else if (msg == QZ_WM_LIST_CLICK && LOWORD(wParam) == kListId) {
    OnListClick(LOWORD(lParam));
    return 0;
  } else if (msg == QZ_WM_LIST_SELCHANGE && LOWORD(wParam) == kListId) {
    m_toggledRow = LOWORD(lParam);
    RefreshRightButton();
    return 0;
  } else if (msg != 0 && msg == GetClickTaskbarMessage()) {
    m_list.ScrollStop();
    m_list.ScrollTo(LIST_SCROLL_TO_TOPPOS, 0, TRUE);
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

void CContactValueSelectWnd::OnListClick(int row) {
  const ContactValueInfo* info = m_collection->GetRow(row);
  // The tap that ticked a group's check box selected the group; it does not open it.
  const bool ticked = row == m_toggledRow;
  m_toggledRow = -1;
  if (!info) return;
  if (IsSingleChoice()) {
    m_selectedContactId = info->id;
    if (m_selectType == SELECT_ONE_PHONE_NUMBER) m_selectedValue = info->value;
    EndModal(1);
  } else if (info->isGroup && !ticked) {
    OpenGroup(row);
  }
}

void CContactValueSelectWnd::OpenGroup(int row) {
  const ContactValueInfo* group = m_collection->GetRow(row);
  if (!group) return;
  m_collection->OpenGroup(group->id);
  m_groupView = true;
  m_openedGroupRow = row;
  m_groupSelectAll = group->selected;
  m_list.EnableVaryItemHeight(TRUE);
  ScrollListTo(0);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrBack));
  UpdateAlphabetBarState();
  Invalidate();
}

void CContactValueSelectWnd::LeaveGroup() {
  m_groupView = false;
  m_collection->CloseGroup();
  m_list.EnableVaryItemHeight(FALSE);
  ScrollListTo(0);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
  UpdateAlphabetBarState();
  Invalidate();
}

void CContactValueSelectWnd::ScrollListTo(int top) {
  if (m_list.IsScrolling()) m_list.ScrollStop();
  m_list.SetTopPos(top);
}

LRESULT CContactValueSelectWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == kAlphabetBarId) {
    if (LPCWSTR letter = m_alphabetBar.GetCurLetter()) MoveToAlphabet(letter[0]);
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_LEFT) {
    if (m_groupView)
      LeaveGroup();
    else
      EndModal(2);
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_RIGHT) {
    if (!IsSingleChoice()) EndModal(1);
  } else if (id == kToolBarId && lParam == TOOLBAR_BUTTON_MIDDLE) {
    OnMiddleButton();
  }
  return 0;
}

void CContactValueSelectWnd::OnMiddleButton() {
  if (IsSingleChoice()) return;
  if (m_groupView) {
    m_groupSelectAll = !m_groupSelectAll;
    m_collection->SetItemSelected(m_openedGroupRow, m_groupSelectAll);
  } else {
    m_selectAll = !m_selectAll;
    m_collection->SelectAll(m_selectAll);
  }
  RefreshRightButton();
  m_list.Invalidate();
}

void CContactValueSelectWnd::RefreshRightButton() {
  m_toolBar.EnableButton(TOOLBAR_BUTTON_RIGHT, m_collection->GetSelectedValueCount() > 0);
  m_toolBar.Invalidate();
}

int CContactValueSelectWnd::GetSelectContactId() const { return IsSingleChoice() ? m_selectedContactId : 0; }

const wchar_t* CContactValueSelectWnd::GetSelectInfo() const {
  return m_selectType == SELECT_ONE_PHONE_NUMBER ? m_selectedValue.c_str() : L"";
}

bool CContactValueSelectWnd::GetSelectedItems(qzu::array<ContactValueInfo>& items) const {
  m_collection->AppendSelectedValues(items);
  return true;
}

int CContactValueSelectWnd::GetSelectedContactCount() const { return m_collection->GetSelectedValueCount(); }
int CContactValueSelectWnd::GetValidItemCount() const { return m_collection->GetValueCount(); }

void CContactValueSelectWnd::CalAlphabetMap() {
  CDebugTime trace(L"CContactValueSelectWnd::CalAlphabetMap()");
  AlphabetIndex::Rows rows;
  rows.findLetterRow = [this](wchar_t letter, int start) { return m_collection->FindLetterRow(letter, start); };
  rows.rowHeight = [this](int row) { return m_list.CalcItemHeight(row); };
  rows.maxOffset = m_list.CalcContentHeight() - kRowHeight;
  rows.firstLetterRow = m_collection->GetFirstValueRow();
  m_alphabetMap.Compute(rows);
}

void CContactValueSelectWnd::MoveToAlphabet(wchar_t letter) {
  int top = 0;
  if (m_alphabetMap.TopPosOf(letter, top)) ScrollListTo(top);
}

void CContactValueSelectWnd::UpdateAlphabetBarState() {
  const bool show = m_list.CalcContentHeight() > kAlphabetBarMinContent;
  m_alphabetBar.SetVisible(show);
  if (show) CalAlphabetMap();
}
