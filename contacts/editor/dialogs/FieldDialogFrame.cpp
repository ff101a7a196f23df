#include "contacts/editor/dialogs/FieldDialogFrame.h"

#include "core/module/Resources.h"

namespace field_dialog {

namespace {
constexpr UINT kStrCancel = 611;
constexpr UINT kStrSave = 604;
}  // namespace

void AddToolBar(CQzWndEx& wnd, UiToolBarPro& toolBar) {
  toolBar.SetPos(0, wnd.GetHeight() - UiToolBarPro::kHeight, wnd.GetWidth(), UiToolBarPro::kHeight);
  toolBar.SetID(kToolBarId);
  toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, LoadResString(kStrCancel));
  toolBar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, FALSE, LoadResString(kStrSave));
  wnd.AddUiWin(&toolBar);
}

void EnableSave(UiToolBarPro& toolBar, bool enabled) {
  toolBar.EnableButton(TOOLBAR_BUTTON_RIGHT, enabled);
  toolBar.Invalidate();
  toolBar.Update();
}

void SetUpField(UiSingleLineEdit& field, int y, int id, UINT tipId, LPCWSTR text, DWORD sipMode) {
  field.SetTextColor(RGB(0, 0, 0));
  field.SetTextSize(24);
  field.SetPos(12, y, 456, 64);
  field.SetID(id);
  field.SetTip(LoadResString(tipId));
  field.SetText(text);
  field.SetSipMode(sipMode, 0xFFFFFFFF);
}

bool IsTextChange(LPARAM lParam) {
  const UINT code = LOWORD(lParam);
  return code == QZ_EN_CHAR || code == QZ_EN_DELETE || code == QZ_EN_PASTE || code == QZ_EN_CLEAR;
}

}  // namespace field_dialog
