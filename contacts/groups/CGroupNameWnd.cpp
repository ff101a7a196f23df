#include "contacts/groups/CGroupNameWnd.h"

#include "contactdata/GroupNames.h"
#include "contacts/editor/dialogs/FieldDialogFrame.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrCancel = 611;
constexpr UINT kStrOk = 637;
constexpr UINT kStrUngrouped = 623;  // "未分组"
constexpr UINT kStrGroup = 691;      // "组别", the field's hint
constexpr UINT kStrEditGroup = 700;  // "组别编辑"
constexpr UINT kStrNewGroup = 826;   // "新建组"
constexpr DWORD kPinyinKeyboard = 1;

// The characters that separate group names where several stand on one line
// or in one field of a card.
constexpr const wchar_t* kSeparators = L"\r\n\t;,";

}  // namespace

CGroupNameWnd::CGroupNameWnd() = default;

// The field is a child of the area, declared after it; it leaves the area
// before either goes.
CGroupNameWnd::~CGroupNameWnd() { m_area.RemoveChild(&m_nameField); }

bool CGroupNameWnd::IsUsableGroupName(const CQzStringW& text) {
  if (text.IsEmpty()) return false;
  if (text.str().find_first_of(kSeparators) != std::wstring::npos) return false;
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf())
    if (db->GetGroupID(GetGroupStoreName(qzu::string(text.GetString()))) >= 1) return false;
  return text.Compare(LoadResString(kStrUngrouped)) != 0;
}

BOOL CGroupNameWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(LoadResString(m_initName.IsEmpty() ? kStrNewGroup : kStrEditGroup));
  int width = GetWidth();
  int height = GetHeight();

  m_toolBar.SetPos(0, height - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetID(kToolBarId);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, FALSE, LoadResString(kStrOk));
  AddUiWin(&m_toolBar);

  m_area.SetPos(0, 0, width, height - m_toolBar.GetHeight());
  AddUiWin(&m_area);

  if (m_initName.GetLength() > kMaxNameChars) m_initName = m_initName.Left(kMaxNameChars);
  m_nameField.SetTextColor(RGB(0, 0, 0));
  m_nameField.SetTextSize(24);
  m_nameField.SetMaxChars(kMaxNameChars);
  m_nameField.SetPos(12, 15, 456, 64);
  m_nameField.SetID(kNameFieldId);
  m_nameField.SetTip(LoadResString(kStrGroup));
  m_nameField.SetText(m_initName);
  m_area.AddChild(&m_nameField);
  m_nameField.SetSipMode(kPinyinKeyboard, 0xFFFFFFFF);
  m_nameField.SetFocus(TRUE);
  return TRUE;
}

LRESULT CGroupNameWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != kToolBarId) return 0;
  if (lParam == TOOLBAR_BUTTON_RIGHT) {
    m_nameField.SetFocus(FALSE);
    EndModal(kResultConfirm);
  } else if (lParam == TOOLBAR_BUTTON_LEFT) {
    m_nameField.SetFocus(FALSE);
    EndModal(kResultCancel);
  }
  return 0;
}

LRESULT CGroupNameWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_EDIT_CHANGE && LOWORD(wParam) == kNameFieldId && field_dialog::IsTextChange(lParam)) {
    UpdateConfirmButton();
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

void CGroupNameWnd::UpdateConfirmButton() {
  m_toolBar.EnableButton(TOOLBAR_BUTTON_RIGHT, IsUsableGroupName(m_nameField.GetText()));
  m_toolBar.Invalidate();
  m_toolBar.Update();
}
