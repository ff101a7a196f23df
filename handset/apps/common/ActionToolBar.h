// The tool bar at the bottom of an applet's window that asks for a choice:
// cancel on the left, the window's own action (save, send) on the right.
#pragma once

#include "AppTexts.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiToolBarPro.h"

namespace telhub {

inline void AddCancelActionBar(CQzWndEx& owner, UiToolBarPro& bar, int id, const wchar_t* action) {
  bar.SetID(id);
  bar.SetPos(0, owner.GetHeight() - UiToolBarPro::kHeight, owner.GetWidth(), UiToolBarPro::kHeight);
  bar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, Text(L"取消", L"Cancel"));
  bar.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, action);
  owner.AddUiWin(&bar);
}

}  // namespace telhub
