#include "dialer/VoiceMailNumberDlg.h"

#include "core/module/Resources.h"

namespace {

constexpr UINT kStrVoiceMailNumber = 840;  // "语音信箱号码"
constexpr UINT kStrCancel = 611;
constexpr UINT kStrSave = 604;
constexpr DWORD kDigitsKeyboard = 10;

}  // namespace

VoiceMailNumberDlg::VoiceMailNumberDlg(const wchar_t* initialText) : m_initialText(initialText) {}

// The field is a child of the area, declared after it; it leaves the area
// before either goes.
VoiceMailNumberDlg::~VoiceMailNumberDlg() { m_area.RemoveChild(&m_numberField); }

BOOL VoiceMailNumberDlg::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(LoadResString(kStrVoiceMailNumber));
  int width = GetWidth();
  int height = GetHeight();

  m_area.SetPos(0, 0, width, height - 429);
  AddUiWin(&m_area);

  m_toolBar.SetPos(0, height - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  m_toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
  m_toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, LoadResString(kStrSave));
  m_toolBar.SetID(kToolBarId);
  AddUiWin(&m_toolBar);

  m_numberField.SetPos(12, 15, 456, 64);
  m_numberField.SetID(kNumberFieldId);
  m_numberField.SetTextSize(24);
  m_numberField.SetTextColor(RGB(0, 0, 0));
  m_numberField.SetText(m_initialText);
  m_numberField.SetTip(LoadResString(kStrVoiceMailNumber));
  m_area.AddChild(&m_numberField);
  m_numberField.SetFocus(TRUE);
  m_numberField.SetSipMode(kDigitsKeyboard, 0xFFFFFFFF);
  return TRUE;
}

LRESULT VoiceMailNumberDlg::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != kToolBarId) return 0;
  if (lParam == TOOLBAR_BUTTON_LEFT) {
    m_numberField.SetFocus(FALSE);
    EndModal(kResultCancel);
  } else if (lParam == TOOLBAR_BUTTON_RIGHT) {
    m_numberField.SetFocus(FALSE);
    EndModal(kResultSave);
  }
  return 0;
}
