#include "contacts/editor/dialogs/CNoteEditWnd.h"

#include "contacts/editor/dialogs/FieldDialogFrame.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrEditNote = 733;  // "备注编辑"
constexpr UINT kFrameImageType = 10;
constexpr UINT kFrameImageId = 109;

}  // namespace

CNoteEditWnd::CNoteEditWnd() = default;

CNoteEditWnd::~CNoteEditWnd() = default;

BOOL CNoteEditWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog() || !m_record) return FALSE;
  SetWindowText(LoadResString(kStrEditNote));
  field_dialog::AddToolBar(*this, m_toolBar);

  m_frame.SetPos(10, 40, 460, 160);
  m_frame.SetPaintMode(PICTURE_PAINT_EDGES);
  m_frame.SetEdge(8, 8, 8, 8);
  m_frame.LoadImageW(GetQzResModuleHandle(), kFrameImageType, kFrameImageId, TRUE);
  AddUiWin(&m_frame);

  // The frame draws the field's border, so the field has no background; its
  // right margin leaves room beside the lines.
  m_note.SetPos(20, 50, 440, 140);
  m_note.SetID(kNoteFieldId);
  m_note.SetTextColor(RGB(0, 0, 0));
  m_note.SetTextSize(24);
  m_note.EnableInsideScroll(TRUE);
  m_note.SetNoBackground(TRUE);
  m_note.SetInvalidWidth(0, 28);
  m_note.SetText(m_record->note.c_str());
  m_note.SetSipMode(field_dialog::kPinyinKeyboard, 0xFFFFFFFF);
  AddUiWin(&m_note);
  m_note.SetFocus(TRUE);
  return TRUE;
}

bool CNoteEditWnd::CanSave() const {
  const std::wstring text = m_note.GetText();
  return !text.empty() && text != m_record->note.str();
}

LRESULT CNoteEditWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_MEDIT_CHANGE && wParam == static_cast<WPARAM>(kNoteFieldId)) {
    field_dialog::EnableSave(m_toolBar, CanSave());
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CNoteEditWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != field_dialog::kToolBarId) return 0;
  if (lParam != TOOLBAR_BUTTON_LEFT && lParam != TOOLBAR_BUTTON_RIGHT) return 0;
  QzCloseSip();
  if (lParam == TOOLBAR_BUTTON_LEFT || !CanSave()) {
    EndModal(field_dialog::kResultCancelled);
    return 0;
  }
  const qzu::string text = m_note.GetText();
  m_record->UpdateRemark(text);
  if (m_record->contactId != 0)
    if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->UpdateNotes(m_record->contactId, text);
  EndModal(field_dialog::kResultSaved);
  return 0;
}
