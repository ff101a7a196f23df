// What the editor's field dialogs share: the cancel and save tool bar, the
// look of their input fields, and which edit notifications change the text.
#pragma once

#include "platform/ToolkitContract.h"

namespace field_dialog {

constexpr int kToolBarId = 1;
constexpr int kResultSaved = 1;
constexpr int kResultCancelled = 2;
constexpr DWORD kPinyinKeyboard = 1;

// Puts the tool bar at the bottom of the window with cancel enabled and save
// disabled, and adds it.
void AddToolBar(CQzWndEx& wnd, UiToolBarPro& toolBar);
// Enables or disables save and redraws the tool bar.
void EnableSave(UiToolBarPro& toolBar, bool enabled);
// A field of the dialogs' look (black text of size 24, 456 x 64 at x = 12)
// with its id, hint, text and keyboard mode.
void SetUpField(UiSingleLineEdit& field, int y, int id, UINT tipId, LPCWSTR text, DWORD sipMode);
// Whether an edit notification's code reports a change of the text.
bool IsTextChange(LPARAM lParam);

}  // namespace field_dialog
