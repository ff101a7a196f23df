#include "contacts/editor/dialogs/CNameEditWnd.h"

#include "contacts/editor/dialogs/FieldDialogFrame.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrEditName = 634;  // "编辑姓名"
constexpr UINT kStrFamilyName = 638;
constexpr UINT kStrGivenName = 639;
constexpr UINT kStrCompany = 640;

}  // namespace

CNameEditWnd::CNameEditWnd() = default;

// The fields are children of the area, declared after it; they leave the
// area before either goes.
CNameEditWnd::~CNameEditWnd() {
  m_area.RemoveChild(&m_company);
  m_area.RemoveChild(&m_givenName);
  m_area.RemoveChild(&m_familyName);
}

BOOL CNameEditWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog() || !m_record) return FALSE;
  SetWindowText(LoadResString(kStrEditName));
  field_dialog::AddToolBar(*this, m_toolBar);
  m_area.SetPos(0, 0, GetWidth(), GetHeight() - UiToolBarPro::kHeight);
  m_area.SetID(kScrollAreaId);
  AddUiWin(&m_area);

  struct Field {
    UiSingleLineEdit& control;
    int y;
    int id;
    UINT tipId;
    const qzu::string& text;
    int maxChars;
  };
  const Field fields[] = {
      {m_familyName, 15, kFamilyNameFieldId, kStrFamilyName, m_record->lastName, kMaxNameChars},
      {m_givenName, 94, kGivenNameFieldId, kStrGivenName, m_record->firstName, kMaxNameChars},
      {m_company, 173, kCompanyFieldId, kStrCompany, m_record->company, 0},
  };
  for (const Field& f : fields) {
    f.control.SetMaxChars(f.maxChars);
    field_dialog::SetUpField(f.control, f.y, f.id, f.tipId, f.text.c_str(), field_dialog::kPinyinKeyboard);
    f.control.EnableSwitchFocus(TRUE);
    m_area.AddChild(&f.control);
  }
  m_familyName.SetFocus(TRUE);
  return TRUE;
}

bool CNameEditWnd::CanSave() const {
  const std::wstring family = m_familyName.GetText();
  const std::wstring given = m_givenName.GetText();
  const std::wstring company = m_company.GetText();
  if (family.empty() && given.empty() && company.empty()) return false;
  return family != m_record->lastName.str() || given != m_record->firstName.str() ||
         company != m_record->company.str();
}

LRESULT CNameEditWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_EDIT_CHANGE && field_dialog::IsTextChange(lParam)) {
    field_dialog::EnableSave(m_toolBar, CanSave());
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CNameEditWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != field_dialog::kToolBarId) return 0;
  if (lParam == TOOLBAR_BUTTON_LEFT) {
    QzCloseSip();
    EndModal(field_dialog::kResultCancelled);
  } else if (lParam == TOOLBAR_BUTTON_RIGHT) {
    QzCloseSip();
    Save();
    EndModal(field_dialog::kResultSaved);
  }
  return 0;
}

void CNameEditWnd::Save() {
  m_record->UpdateNameInfo(m_familyName.GetText(), m_givenName.GetText(), m_company.GetText());
  if (m_record->contactId == 0) return;
  if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->UpdateName(*m_record);
}
