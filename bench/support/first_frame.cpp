#include "first_frame.h"

#include "qzfc/WinApi.h"

namespace vorna::bench {

bool CreateOverWorkArea(CQzWnd& window, DWORD style) {
  const RECT area = QzGetWorkArea();
  return window.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0, style) !=
         FALSE;
}

bool OpenOverWorkArea(CQzWnd& window, qzfc::Robot& robot, DWORD style) {
  if (!CreateOverWorkArea(window, style)) return false;
  window.Show(TRUE);
  robot.Settle();
  return true;
}

}  // namespace vorna::bench
