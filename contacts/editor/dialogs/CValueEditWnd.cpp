#include "contacts/editor/dialogs/CValueEditWnd.h"

#include "contactdata/TypeLabel.h"
#include "contacts/editor/dialogs/FieldDialogFrame.h"
#include "contacts/editor/dialogs/FieldEditKind.h"
#include "core/module/Resources.h"

// What differs between the value kinds: texts, type buttons, keyboard, where
// the entries live in the record and in the store.
struct CValueEditWnd::KindInfo {
  int editKind;
  UINT titleId;
  UINT tipId;
  int typeCount;
  int labelKind;  // VALUE_KIND of the type labels
  DWORD sipMode;
  int category;  // CONTACT_EXTRA_CATEGORY; 0 for phone numbers
  qzu::array<st_contacts_extra> CContactInfo::*entries;
  bool (CContactInfo::*add)(int, const qzu::string&, int);
  bool (CContactInfo::*update)(int, const qzu::string&, int);
};


const CValueEditWnd::KindInfo* CValueEditWnd::FindKind(int editKind) {
  static const KindInfo kKinds[] = {
      {EDIT_KIND_PHONE, 628, 606, 5, VALUE_KIND_PHONE, 10, 0, &CContactInfo::phoneNumbers, nullptr, nullptr},
      {EDIT_KIND_EMAIL, 654, 608, 3, VALUE_KIND_EMAIL, 3, EXTRA_EMAIL, &CContactInfo::emails,
       &CContactInfo::AddEmail, &CContactInfo::UpdateEmail},
      {EDIT_KIND_WEB_PAGE, 696, 609, 3, VALUE_KIND_WEB_PAGE, 4, EXTRA_WEB_PAGE, &CContactInfo::webPages,
       &CContactInfo::AddWebPage, &CContactInfo::UpdateWebPage},
      {EDIT_KIND_MSN, 695, 663, 3, VALUE_KIND_MSN, 3, EXTRA_MSN, &CContactInfo::msnAccounts, &CContactInfo::AddMSN,
       &CContactInfo::UpdateMSN},
      {EDIT_KIND_QQ, 694, 662, 3, VALUE_KIND_QQ, 9, EXTRA_QQ, &CContactInfo::qqNumbers, &CContactInfo::AddQQ,
       &CContactInfo::UpdateQQ},
  };
  for (const KindInfo& kind : kKinds)
    if (kind.editKind == editKind) return &kind;
  return nullptr;
}

CValueEditWnd::CValueEditWnd(int editKind, int editorMode) : m_editorMode(editorMode), m_editKind(editKind) {}

// The field is a child of the area, declared after it; it leaves the area
// before either goes.
CValueEditWnd::~CValueEditWnd() { m_area.RemoveChild(&m_value); }

qzu::array<st_contacts_extra>& CValueEditWnd::Entries() const { return m_record->*(m_kind->entries); }

BOOL CValueEditWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog() || !m_record) return FALSE;
  m_kind = FindKind(m_editKind);
  if (!m_kind || (m_entryIndex != -1 && !Entries().valid_index(m_entryIndex))) return FALSE;
  if (m_entryIndex >= 0) {
    m_currentValue = Entries()[m_entryIndex].value.str();
    m_currentType = Entries()[m_entryIndex].type;
  }
  SetWindowText(LoadResString(m_kind->titleId));
  field_dialog::AddToolBar(*this, m_toolBar);
  m_area.SetPos(0, 0, GetWidth(), GetHeight() - m_toolBar.GetHeight());
  AddUiWin(&m_area);

  m_typeBar.SetPos(0, 0, 480, 68);
  m_typeBar.SetButtonCount(m_kind->typeCount);
  for (int type = 0; type < m_kind->typeCount; ++type)
    m_typeBar.SetButtonText(type, LoadResString(GetTypeLabelId(m_kind->labelKind, type)));
  m_typeBar.SetID(kTypeBarId);
  // A type that has no button here is labelled as type 0 everywhere, so the
  // bar shows it as that.
  m_typeBar.SetHighLightButton(m_currentType >= 0 && m_currentType < m_kind->typeCount ? m_currentType : 0);
  AddUiWin(&m_typeBar);

  field_dialog::SetUpField(m_value, 83, kValueFieldId, m_kind->tipId, m_currentValue.c_str(), m_kind->sipMode);
  m_area.AddChild(&m_value);
  m_value.SetFocus(TRUE);
  return TRUE;
}

bool CValueEditWnd::CanSave() const {
  const std::wstring text = m_value.GetText();
  if (text.empty()) return false;
  return m_entryIndex < 0 || text != m_currentValue || m_typeBar.GetHighLightButton() != m_currentType;
}

LRESULT CValueEditWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_EDIT_CHANGE && wParam == static_cast<WPARAM>(kValueFieldId) && field_dialog::IsTextChange(lParam)) {
    field_dialog::EnableSave(m_toolBar, CanSave());
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CValueEditWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == kTypeBarId) {
    field_dialog::EnableSave(m_toolBar, CanSave());
    return 0;
  }
  if (id != field_dialog::kToolBarId) return 0;
  if (lParam != TOOLBAR_BUTTON_LEFT && lParam != TOOLBAR_BUTTON_RIGHT) return 0;
  m_area.SetFocus(FALSE);
  // Nothing is changed, in the record either, while the store is away: the
  // editor could not keep a stored contact in step with it.
  if (lParam == TOOLBAR_BUTTON_LEFT || !CContactsDbIf::GetContactDbIf() || !CanSave()) {
    EndModal(field_dialog::kResultCancelled);
    return 0;
  }
  Save();
  EndModal(field_dialog::kResultSaved);
  return 0;
}

void CValueEditWnd::Save() {
  st_contacts_extra extra;
  extra.value = m_value.GetText();
  extra.type = m_typeBar.GetHighLightButton();
  CContactsDbIf* db = m_record->contactId != 0 ? CContactsDbIf::GetContactDbIf() : nullptr;
  if (m_editKind == EDIT_KIND_PHONE)
    SavePhoneNumber(db, extra);
  else
    SaveExtraValue(db, extra);
}

// A changed entry that has no identifier on a stored contact never reached
// the store; it is added there now, so that the change is not lost.
void CValueEditWnd::SavePhoneNumber(CContactsDbIf* db, st_contacts_extra& extra) {
  const int primaryIndex = m_record->GetPrimaryPhoneNumber();
  extra.primary = primaryIndex < 0 || primaryIndex == m_entryIndex ? 1 : 0;
  int index = m_entryIndex;
  if (index < 0)
    index = m_record->AddPhoneNumber(0, extra.value, extra.type, extra.primary);
  else
    m_record->UpdatePhoneNumber(index, extra.value, extra.type, extra.primary);
  if (!db) return;
  extra.id = m_record->phoneNumbers[index].id;
  if (extra.id != 0)
    db->UpdatePhones(extra);
  else
    m_record->SetPhoneNumberId(index, db->addPhones(m_record->contactId, extra));
}

void CValueEditWnd::SaveExtraValue(CContactsDbIf* db, st_contacts_extra& extra) {
  int index = m_entryIndex;
  if (index < 0) {
    if (!(m_record->*(m_kind->add))(0, extra.value, extra.type)) return;
    index = Entries().size() - 1;
  } else {
    (m_record->*(m_kind->update))(index, extra.value, extra.type);
  }
  if (!db) return;
  extra.id = Entries()[index].id;
  if (extra.id != 0)
    db->UpdateExtraInfo(extra);
  else
    Entries()[index].id = db->addExtraInfo(m_record->contactId, m_kind->category, extra);
}
