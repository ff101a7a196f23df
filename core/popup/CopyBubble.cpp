#include "core/popup/CopyBubble.h"

#include "core/popup/Clipboard.h"
#include "core/popup/PopUpMessageWnd.h"

namespace {

// The row is scrolled so that its top comes to lie here.
constexpr int kScrolledRowTop = 55;
// A band reaching into the tool bar (the window's last 70 pixels) is cut to
// end just inside it.
constexpr int kClampedBandGap = 65;

}  // namespace

COPY_BUBBLE_RESULT RunCopyBubble(CQzWndEx& window, UiList& list, bool& copyMode, int row, LPCWSTR text,
                                 int threshold) {
  list.ReleaseCapture();
  const int top = list.CalcItemTopPos(row);
  if (top < threshold) {
    list.ScrollTo(LIST_SCROLL_TO_TOPPOS, list.GetTopPos() - top + kScrolledRowTop, TRUE);
    return COPY_BUBBLE_SCROLLED;
  }
  // Row positions are the list's own; the bubble's band is in the window's.
  const int bandTop = list.GetTop() + top;
  int bandBottom = bandTop + list.CalcItemHeight(row);
  if (bandBottom > window.GetHeight() - UiToolBarPro::kHeight) bandBottom = window.GetHeight() - kClampedBandGap;

  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  CPopUpMessageWnd bubble;
  copyMode = true;
  list.InvalidateItem(row);
  list.Update();
  bubble.SetBackground(ScreenSnapshot(workArea));
  bubble.SetBand(0, bandTop, window.GetWidth(), bandBottom);
  int result = 0;
  if (bubble.Create(workArea.left, workArea.top, workArea.right - workArea.left, workArea.bottom - workArea.top,
                    window.GetHwnd(), 0, WS_POPUP))
    result = bubble.DoModal();
  if (result == CPopUpMessageWnd::kCopy) CopyTextToClipboard(text);
  copyMode = false;
  bubble.DestroyWindow();
  return result == CPopUpMessageWnd::kCopy ? COPY_BUBBLE_COPIED : COPY_BUBBLE_DISMISSED;
}
