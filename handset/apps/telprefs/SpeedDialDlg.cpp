#include "SpeedDialDlg.h"

#include "ActionToolBar.h"
#include "AppTexts.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

constexpr DWORD kSipText = 1;
constexpr DWORD kSipDigits = 10;

void SetUpField(UiSingleLineEdit& field, int id, int y, const std::wstring& text, const wchar_t* tip, DWORD sip) {
  field.SetID(id);
  field.SetPos(16, y, 448, 64);
  field.SetTextSize(26);
  field.SetMaxChars(id == SpeedDialDlg::ID_NUMBER ? 40 : 32);
  field.SetText(text.c_str());
  field.SetTip(tip);
  field.SetSipMode(sip, 0xFFFFFFFF);
}

}  // namespace

BOOL SpeedDialDlg::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  std::wstring title = Text(L"快速拨号 ", L"Speed dial ") + std::to_wstring(entry_);
  SetWindowText(title.c_str());
  SetUpField(name_, ID_NAME, 20, value_.name, Text(L"姓名", L"Name"), kSipText);
  SetUpField(number_, ID_NUMBER, 100, value_.number, Text(L"电话号码", L"Number"), kSipDigits);
  AddUiWin(&name_);
  AddUiWin(&number_);

  fillField_.SetID(ID_FILL_FIELD);
  fillField_.SetButtonType(UIBUTTON_TYPE_CHECK);
  fillField_.SetText(Text(L"长按时只填入号码，不直接拨打", L"Long press fills in the number instead of dialling"));
  fillField_.SetTextSize(20);
  fillField_.SetPos(16, 184, 448, 60);
  if (value_.flag != 0) fillField_.SetState(UIBUTTON_STATE_PRESSED, TRUE);
  AddUiWin(&fillField_);

  AddCancelActionBar(*this, toolBar_, ID_TOOL_BAR, Text(L"保存", L"Save"));
  number_.SetFocus(TRUE);
  return TRUE;
}

LRESULT SpeedDialDlg::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != ID_TOOL_BAR) return 0;
  if (lParam == TOOLBAR_BUTTON_LEFT) {
    QzCloseSip();
    EndModal(2);
  } else if (lParam == TOOLBAR_BUTTON_RIGHT) {
    value_.number = number_.GetText();
    value_.name = value_.number.empty() ? std::wstring() : std::wstring(name_.GetText());
    value_.flag = value_.number.empty() ? 0 : fillField_.GetState() == UIBUTTON_STATE_PRESSED ? 1 : 0;
    QzCloseSip();
    EndModal(1);
  }
  return 0;
}

}  // namespace telhub
