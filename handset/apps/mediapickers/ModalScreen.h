// Runs a component's screen modally over its owner, on the work area.
#pragma once

#include "qzfc/QzWnd.h"
#include "qzfc/WinApi.h"

namespace mediapickers {

// The window's DoModal result, or 0 when it could not be created. The window
// is destroyed before returning.
inline int RunModalScreen(CQzWnd& window, HWND owner) {
  RECT area = QzGetWorkArea();
  if (!window.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, owner, 0, WS_POPUP))
    return 0;
  int result = window.DoModal();
  window.DestroyWindow();
  return result;
}

}  // namespace mediapickers
