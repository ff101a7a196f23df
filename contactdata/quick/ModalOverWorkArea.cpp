#include "contactdata/quick/ModalOverWorkArea.h"

bool CreateOverWorkArea(CQzWnd& wnd, HWND owner) {
  const RECT area = QzGetWorkArea();
  return wnd.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, owner, 0, WS_POPUP) != FALSE;
}

int RunOverWorkArea(CQzWnd& wnd, HWND owner) {
  if (!CreateOverWorkArea(wnd, owner)) return 0;
  const int result = wnd.DoModal(TRUE);
  wnd.DestroyWindow();
  return result;
}
