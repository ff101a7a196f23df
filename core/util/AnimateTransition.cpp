#include "core/util/AnimateTransition.h"

#include "platform/ToolkitContract.h"

namespace {

constexpr int kFrames = 24;
constexpr int kFrameMs = 32;

void PlaySlide(HBITMAP from, HBITMAP to, int type, HWND window) {
  CQzWnd* wnd = CQzWnd::FromHandle(window);
  if (!wnd) return;
  RECT area = wnd->GetWindowRect();
  area.bottom -= UiToolBarPro::kHeight;
  if (area.bottom <= area.top) return;
  HDC screen = GetDC(nullptr);
  if (!screen) return;
  AnimateHelper helper(screen, area);
  const RECT local{0, 0, area.right - area.left, area.bottom - area.top};
  AnimateBitmap(from, to, helper.GetDC(), local, type, kFrames, kFrameMs);
  ReleaseDC(nullptr, screen);
  helper.Finish();
}

}  // namespace

void AnimateTransition(HBITMAP from, HBITMAP to, int type, HWND window) {
  PlaySlide(from, to, type, window);
  if (from) DeleteObject(from);
  if (to) DeleteObject(to);
}
