#include "qzfc/QzPopupMenu.h"

#include <algorithm>

#include "dialogs/DialogWnd.h"
#include "qzfc/WinApi.h"

namespace {
constexpr int kCancelGap = 12;
constexpr int kMargin = 0;
}  // namespace

BOOL QzPopupMenu::AppendMenuItem(UINT commandId, LPCWSTR text, UINT) {
  if (!text || !*text) return FALSE;
  m_items.push_back({commandId, text});
  return TRUE;
}

UINT QzPopupMenu::QzTrackPopupMenu(HWND owner, int, LPCWSTR cancelText, UINT) {
  const RECT wa = QzGetWorkArea();
  const int width = wa.right - wa.left;
  const int height = wa.bottom - wa.top;
  const int count = static_cast<int>(m_items.size());
  // Entries that do not fit above the cancel entry are left out.
  const int fitting = std::max(0, (height - kCancelGap) / kItemHeight - 1);
  const int shown = std::min(count, fitting);
  const int panelTop = height - (shown + 1) * kItemHeight - kCancelGap;

  qzfc::DialogWnd wnd(L"QzPopupMenu");
  wnd.SetPanel(RECT{0, panelTop, width, height});
  // Closed from outside, the menu was cancelled: 2 may be an item's command.
  wnd.SetCloseResult(0);
  for (int i = 0; i < shown; ++i) {
    const int top = panelTop + i * kItemHeight;
    wnd.AddButton(kFirstItemId + i, RECT{kMargin, top, width - kMargin, top + kItemHeight}, m_items[i].text.c_str(),
                  static_cast<int>(m_items[i].id));
  }
  const int cancelTop = height - kItemHeight;
  wnd.AddButton(kFirstItemId + count, RECT{kMargin, cancelTop, width - kMargin, height},
                cancelText && *cancelText ? cancelText : L"取消", 0, true);
  return static_cast<UINT>(wnd.Run(owner));
}
