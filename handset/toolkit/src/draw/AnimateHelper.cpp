#include "qzfc/AnimateHelper.h"

#include <chrono>
#include <cmath>
#include <thread>

#include "drivers/Driver.h"
#include "qzfc/Clock.h"
#include "qzfc/QzWnd.h"
#include "qzfc/Screen.h"

using qzfc::Clock;
using qzfc::Screen;

namespace {

AnimateHelper::FrameWatcher& Watcher() {
  static AnimateHelper::FrameWatcher watcher;
  return watcher;
}

// The part of the screen a DC's rectangle covers, if the DC draws on the screen.
bool ScreenArea(HDC hdc, const RECT& rect, RECT* out) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr || cairo_get_target(cr) != Screen::Get().Surface()) return false;
  double x0 = rect.left, y0 = rect.top, x1 = rect.right, y1 = rect.bottom;
  cairo_user_to_device(cr, &x0, &y0);
  cairo_user_to_device(cr, &x1, &y1);
  *out = RECT{static_cast<LONG>(x0), static_cast<LONG>(y0), static_cast<LONG>(x1), static_cast<LONG>(y1)};
  return true;
}

// Covers only the bitmap's own rectangle, so that with the SOURCE operator
// the pictures drawn side by side do not erase each other.
void DrawBitmapAt(cairo_t* cr, HBITMAP bmp, double x, double y) {
  cairo_surface_t* s = CeGetBitmapSurface(bmp);
  if (!s) return;
  cairo_set_source_surface(cr, s, x, y);
  cairo_rectangle(cr, x, y, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
  cairo_fill(cr);
}

void DrawFrame(HDC hdc, HBITMAP from, HBITMAP to, const RECT& rect, int type, double t) {
  cairo_t* cr = CeGetCairo(hdc);
  const double w = rect.right - rect.left, h = rect.bottom - rect.top;
  const double dx = std::round(t * w), dy = std::round(t * h);
  cairo_save(cr);
  cairo_rectangle(cr, rect.left, rect.top, w, h);
  cairo_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  const double x = rect.left, y = rect.top;
  switch (type) {
    case 12:
      DrawBitmapAt(cr, from, x - dx, y);
      DrawBitmapAt(cr, to, x + w - dx, y);
      break;
    case 11:
      DrawBitmapAt(cr, from, x + dx, y);
      DrawBitmapAt(cr, to, x - w + dx, y);
      break;
    case 1:
      DrawBitmapAt(cr, from, x, y);
      DrawBitmapAt(cr, to, x, y + h - dy);
      break;
    case 2:
      DrawBitmapAt(cr, to, x, y);
      DrawBitmapAt(cr, from, x, y + dy);
      break;
    default:
      DrawBitmapAt(cr, to, x, y);
  }
  cairo_restore(cr);
}

// A bitmap of the screen area as the windows below `wnd` paint it.
HBITMAP PaintBelow(CQzWnd* wnd, const RECT& area) {
  HBITMAP bmp = CreateCompatibleBitmap(nullptr, area.right - area.left, area.bottom - area.top);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  cairo_translate(CeGetCairo(dc), -area.left, -area.top);
  Screen::Get().PaintWindows(dc, area, wnd);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

// The part of the window's content that lies over the screen area.
HBITMAP ContentPart(HBITMAP content, const RECT& windowRect, const RECT& area) {
  HBITMAP bmp = CreateCompatibleBitmap(nullptr, area.right - area.left, area.bottom - area.top);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  DrawBitmapAt(CeGetCairo(dc), content, windowRect.left - area.left, windowRect.top - area.top);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

}  // namespace

AnimateHelper::AnimateHelper(HDC target, const RECT& rect) {
  cairo_t* cr = CeGetCairo(target);
  if (!cr) return;
  m_dc = CeCreateDCForSurface(cairo_get_target(cr));
  if (!m_dc) return;
  cairo_t* mine = CeGetCairo(m_dc);
  cairo_matrix_t matrix;
  cairo_get_matrix(cr, &matrix);
  cairo_set_matrix(mine, &matrix);
  cairo_rectangle(mine, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  cairo_clip(mine);
  cairo_translate(mine, rect.left, rect.top);
  if (!ScreenArea(target, rect, &m_screenRect)) m_screenRect = RECT{};
}

AnimateHelper::~AnimateHelper() { Finish(); }

void AnimateHelper::Finish() {
  if (m_finished) return;
  m_finished = true;
  if (m_dc) DeleteDC(m_dc);
  m_dc = nullptr;
  // The windows repaint the area from their own state.
  if (m_screenRect.right > m_screenRect.left) Screen::Get().Invalidate(m_screenRect);
}

void AnimateHelper::WatchFrames(FrameWatcher watcher) { Watcher() = std::move(watcher); }

void AnimateBitmap(HBITMAP from, HBITMAP to, HDC hdc, const RECT& rect, int type, int frames, int frameMs) {
  if (!CeGetCairo(hdc) || !to) return;
  if (frames < 1) frames = 1;
  if (frames > 240) frames = 240;
  if (frameMs < 0) frameMs = 0;
  RECT screenRect{};
  const bool onScreen = ScreenArea(hdc, rect, &screenRect);
  const bool watched = static_cast<bool>(Watcher());
  const bool instant = Clock::IsVirtual() && !watched;
  for (int i = instant ? frames : 1; i <= frames; ++i) {
    double p = static_cast<double>(i) / frames;
    double t = 1.0 - std::pow(1.0 - p, 3);  // ease out
    DrawFrame(hdc, from, to, rect, type, t);
    if (onScreen) Screen::Get().GetDriver().Present(Screen::Get().Surface(), screenRect);
    if (watched && Clock::IsVirtual()) {
      Watcher()(i, frames);
      if (i < frames) Clock::SetVirtualNow(Clock::Now() + frameMs);
    } else if (!Clock::IsVirtual() && i < frames) {
      std::this_thread::sleep_for(std::chrono::milliseconds(frameMs));
    }
  }
}

void qzfc::AnimateSlideWindow(CQzWnd* wnd, HBITMAP content, const RECT& area, int type, bool showing) {
  HBITMAP part = ContentPart(content, wnd->GetWindowRect(), area);
  HBITMAP below = PaintBelow(wnd, area);
  HDC screen = ::GetDC(nullptr);
  {
    AnimateHelper helper(screen, area);
    RECT local{0, 0, area.right - area.left, area.bottom - area.top};
    if (showing)
      AnimateBitmap(below, part, helper.GetDC(), local, type, 16, 16);
    else
      AnimateBitmap(part, below, helper.GetDC(), local, type, 16, 16);
  }
  ReleaseDC(nullptr, screen);
  DeleteObject(part);
  DeleteObject(below);
}
