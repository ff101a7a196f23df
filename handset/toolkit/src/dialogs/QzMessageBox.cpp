#include "qzfc/QzMessageBox.h"

#include <algorithm>

#include "dialogs/DialogWnd.h"
#include "qzfc/WinApi.h"

namespace {
constexpr int kPanelWidth = 420;
constexpr int kPanelHeight = 260;
constexpr int kButtonHeight = 80;
}  // namespace

int QzMessageBoxV2(HWND owner, LPCWSTR text, int style, UINT) {
  const RECT wa = QzGetWorkArea();
  const int width = wa.right - wa.left;
  const int height = wa.bottom - wa.top;
  const int left = std::max(0, (width - kPanelWidth) / 2);
  const int top = std::max(0, (height - kPanelHeight) / 2);
  const RECT panel{left, top, left + std::min(kPanelWidth, width), top + std::min(kPanelHeight, height)};

  qzfc::DialogWnd wnd(L"QzMessageBox");
  wnd.SetPanel(panel);
  wnd.SetMessage(text ? text : L"", RECT{panel.left + 20, panel.top + 10, panel.right - 20, panel.bottom - kButtonHeight});
  const int buttonTop = panel.bottom - kButtonHeight;
  if (style == 2) {
    const int mid = (panel.left + panel.right) / 2;
    wnd.AddButton(QZ_MB_CANCEL_ID, RECT{panel.left, buttonTop, mid, panel.bottom}, L"取消", 2);
    wnd.AddButton(QZ_MB_CONFIRM_ID, RECT{mid, buttonTop, panel.right, panel.bottom}, L"确定", 1, true);
  } else {
    wnd.AddButton(QZ_MB_CONFIRM_ID, RECT{panel.left, buttonTop, panel.right, panel.bottom}, L"确定", 1, true);
  }
  return wnd.Run(owner);
}
