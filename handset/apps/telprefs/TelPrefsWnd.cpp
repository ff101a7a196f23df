#include "TelPrefsWnd.h"

#include "ActionToolBar.h"
#include "AppTexts.h"
#include "SpeedDialDlg.h"
#include "qzfc/QzMessageBox.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

constexpr int kRowHeight = 64;
constexpr int kSpeedDialTop = 300;
constexpr int kSpeedDialHeight = 38;
constexpr COLORREF kGrey = RGB(0x78, 0x78, 0x78);

bool IsOn(const UiButton& toggle) { return toggle.GetState() == UIBUTTON_STATE_PRESSED; }

const wchar_t* ToggleName(int id) {
  return id == TelPrefsWnd::ID_REJECT ? Text(L"拒接不在联系人中的号码", L"Reject numbers not in the contacts")
                                      : Text(L"按键音", L"Key clicks");
}

// A toggle says its state in words as well as by its look.
void ShowToggle(UiButton& toggle) {
  std::wstring text = std::wstring(ToggleName(toggle.GetID())) + Text(L"：", L": ") +
                      (IsOn(toggle) ? Text(L"开", L"on") : Text(L"关", L"off"));
  toggle.SetText(text.c_str());
}

}  // namespace

TelPrefsWnd::TelPrefsWnd(std::function<void()> closed) : closed_(std::move(closed)) {}

void TelPrefsWnd::AddRow(UiStatic& label, const wchar_t* text, int y) {
  label.SetText(text);
  label.SetTextSize(22);
  label.SetTextFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  label.SetPos(16, y, 196, kRowHeight);
  AddUiWin(&label);
}

void TelPrefsWnd::AddToggle(UiButton& toggle, int id, bool on, int y) {
  toggle.SetID(id);
  toggle.SetButtonType(UIBUTTON_TYPE_CHECK);
  toggle.SetTextSize(22);
  toggle.SetPos(16, y + 6, GetWidth() - 32, kRowHeight - 12);
  toggle.EnableNotifyMessage(TRUE);
  if (on) toggle.SetState(UIBUTTON_STATE_PRESSED, TRUE);
  ShowToggle(toggle);
  AddUiWin(&toggle);
}

BOOL TelPrefsWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(Text(L"通话设置", L"Phone settings"));
  stored_ = values_ = LoadPhoneSettings();

  struct Field {
    UiStatic& label;
    UiSingleLineEdit& edit;
    int id;
    const wchar_t* text;
    const std::wstring& value;
  };
  Field fields[] = {{ipLabel_, ipPrefix_, ID_IP_PREFIX, Text(L"IP拨号前缀", L"IP prefix"), values_.ipPrefix},
                    {codeLabel_, nationalCode_, ID_NATIONAL_CODE, Text(L"国家代码", L"National code"),
                     values_.nationalCode}};
  int y = 0;
  for (Field& field : fields) {
    AddRow(field.label, field.text, y);
    field.edit.SetID(field.id);
    field.edit.SetPos(220, y + 6, GetWidth() - 236, kRowHeight - 12);
    field.edit.SetTextSize(24);
    field.edit.SetMaxChars(field.id == ID_IP_PREFIX ? 10 : 4);
    field.edit.SetText(field.value.c_str());
    field.edit.SetTip(Text(L"无", L"none"));
    field.edit.SetSipMode(10, 0xFFFFFFFF);
    AddUiWin(&field.edit);
    y += kRowHeight;
  }
  AddToggle(reject_, ID_REJECT, values_.rejectUnknown, y);
  AddToggle(keyClicks_, ID_KEY_CLICKS, values_.keyClicks, y + kRowHeight);

  speedDialHeader_.SetText(Text(L"快速拨号（长按数字键）", L"Speed dial (hold a digit key)"));
  speedDialHeader_.SetTextSize(20);
  speedDialHeader_.SetTextColor(kGrey);
  speedDialHeader_.SetTextFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  speedDialHeader_.SetPos(16, kSpeedDialTop - 36, GetWidth() - 32, 34);
  AddUiWin(&speedDialHeader_);
  for (int entry = 1; entry <= 9; ++entry) {
    UiButton& row = speedDial_[static_cast<size_t>(entry - 1)];
    row.SetID(ID_SPEED_DIAL_FIRST + entry - 1);
    row.SetButtonType(UIBUTTON_TYPE_PUSH);
    row.SetTextSize(20);
    row.SetPos(16, kSpeedDialTop + (entry - 1) * kSpeedDialHeight, GetWidth() - 32, kSpeedDialHeight - 2);
    row.EnableNotifyMessage(TRUE);
    ShowSpeedDial(entry);
    AddUiWin(&row);
  }

  AddCancelActionBar(*this, toolBar_, ID_TOOL_BAR, Text(L"保存", L"Save"));
  return TRUE;
}

void TelPrefsWnd::ShowSpeedDial(int entry) {
  const SpeedDialEntry& value = values_.speedDial[static_cast<size_t>(entry - 1)];
  std::wstring text = std::to_wstring(entry) + L"   ";
  if (value.number.empty())
    text += Text(L"未设置", L"not set");
  else
    text += (value.name.empty() ? L"" : value.name + L"  ") + value.number;
  speedDial_[static_cast<size_t>(entry - 1)].SetText(text.c_str());
}

void TelPrefsWnd::EditSpeedDial(int entry) {
  SpeedDialDlg dialog(entry, values_.speedDial[static_cast<size_t>(entry - 1)]);
  RECT area = QzGetWorkArea();
  if (!dialog.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, GetHwnd(), 0, WS_POPUP))
    return;
  if (dialog.DoModal() == 1) {
    values_.speedDial[static_cast<size_t>(entry - 1)] = dialog.Value();
    ShowSpeedDial(entry);
  }
  dialog.DestroyWindow();
}

void TelPrefsWnd::Save() {
  values_.ipPrefix = ipPrefix_.GetText();
  values_.nationalCode = nationalCode_.GetText();
  values_.rejectUnknown = IsOn(reject_);
  values_.keyClicks = IsOn(keyClicks_);
  std::wstring problem = CheckPhoneSettings(values_);
  if (!problem.empty()) {
    QzMessageBoxV2(GetHwnd(), problem.c_str(), 1, 0);
    return;
  }
  // A write that failed keeps the screen open with the user's values, so
  // that saving again retries what is still unstored.
  if (!SavePhoneSettings(values_, stored_)) {
    QzMessageBoxV2(GetHwnd(), Text(L"设置未能保存", L"The settings could not be saved"), 1, 0);
    return;
  }
  stored_ = values_;
  if (closed_) closed_();
}

LRESULT TelPrefsWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  if (id == ID_TOOL_BAR && lParam == TOOLBAR_BUTTON_RIGHT) {
    Save();
  } else if (id == ID_TOOL_BAR && lParam == TOOLBAR_BUTTON_LEFT) {
    if (closed_) closed_();
  } else if (id == ID_REJECT) {
    ShowToggle(reject_);
  } else if (id == ID_KEY_CLICKS) {
    ShowToggle(keyClicks_);
  } else if (id >= ID_SPEED_DIAL_FIRST && id < ID_SPEED_DIAL_FIRST + 9) {
    EditSpeedDial(id - ID_SPEED_DIAL_FIRST + 1);
  }
  return 0;
}

}  // namespace telhub
