#include "qzfc/Screen.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "drivers/HeadlessDriver.h"
#include "drivers/SdlDriver.h"
#include "qzfc/Clock.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/QzWnd.h"
#include "screen/ShellBar.h"
#include "window/Geometry.h"

namespace qzfc {
namespace {

constexpr COLORREF kDesktopColour = RGB(0x30, 0x34, 0x3C);
constexpr RECT kScreenRect{0, 0, Screen::kWidth, Screen::kHeight};
constexpr RECT kBarRect{0, 0, Screen::kWidth, Screen::kShellBarHeight};

Screen* g_screen = nullptr;

// On a real display the shell bar's clock repaints at every new minute.
void ScheduleClockRefresh() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  UINT ms = static_cast<UINT>(60 - local.tm_sec) * 1000;
  MessageLoop::Get().StartCallback(ms, [] {
    Screen::Get().Invalidate(kBarRect);
    ScheduleClockRefresh();
  });
}

HDC ProvideWindowDc(HWND hwnd) {
  Screen& screen = Screen::Get();
  HDC dc = CeCreateDCForSurface(screen.Surface());
  if (!dc || !hwnd) return dc;
  CQzWnd* wnd = CQzWnd::FromHandle(hwnd);
  if (!wnd) {
    DeleteDC(dc);
    return nullptr;
  }
  RECT rc = wnd->GetWindowRect();
  cairo_t* cr = CeGetCairo(dc);
  cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  cairo_clip(cr);
  cairo_translate(cr, rc.left, rc.top);
  return dc;
}

// The deepest visible child window of `wnd` under the screen point.
CQzWnd* DeepestAt(CQzWnd* wnd, int x, int y) {
  const auto& children = wnd->GetChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    RECT rc = (*it)->GetWindowRect();
    if ((*it)->IsWindowVisible() && RectContains(rc, x, y)) return DeepestAt(*it, x, y);
  }
  return wnd;
}

}  // namespace

Screen& Screen::Get() {
  if (!g_screen) Start(Display::Headless);
  return *g_screen;
}

bool Screen::Start(Display display) {
  if (g_screen) return false;
  std::unique_ptr<Driver> driver;
  if (display == Display::Sdl) {
    driver = SdlDriver::Open(kWidth, kHeight);
    if (!driver) return false;
  } else {
    driver = std::make_unique<HeadlessDriver>();
  }
  Clock::SetVirtual(!driver->RealTime());
  g_screen = new Screen(display, std::move(driver));
  ce::SetWindowDcProvider(&ProvideWindowDc);
  if (!Clock::IsVirtual()) ScheduleClockRefresh();
  return true;
}

Screen::Screen(Display display, std::unique_ptr<Driver> driver)
    : display_(display),
      driver_(std::move(driver)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight)),
      bar_(std::make_unique<ShellBar>()) {
  Invalidate(kScreenRect);
}

// ---- the window stack ----

void Screen::AddWindow(CQzWnd* wnd) {
  if (std::find(stack_.begin(), stack_.end(), wnd) == stack_.end()) stack_.push_back(wnd);
}

void Screen::RemoveWindow(CQzWnd* wnd) {
  std::erase(stack_, wnd);
  std::erase(modals_, wnd);
  if (pressWnd_ == wnd->GetHwnd()) pressWnd_ = nullptr;
  if (foreground_ == wnd->GetHwnd()) foreground_ = nullptr;
  Invalidate(wnd->GetWindowRect());
  SendActivation();
}

void Screen::Raise(CQzWnd* wnd) {
  auto it = std::find(stack_.begin(), stack_.end(), wnd);
  if (it == stack_.end()) return;
  stack_.erase(it);
  stack_.push_back(wnd);
}

CQzWnd* Screen::Foreground() const {
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it)
    if ((*it)->IsWindowVisible()) return *it;
  return nullptr;
}

void Screen::OnVisibilityChanged(CQzWnd* wnd, bool visible) {
  if (visible) Raise(wnd);
  Invalidate(wnd->GetWindowRect());
  SendActivation();
}

void Screen::SendActivation() {
  CQzWnd* fg = Foreground();
  HWND next = fg ? fg->GetHwnd() : nullptr;
  if (next == foreground_) return;
  CQzWnd* old = CQzWnd::FromHandle(foreground_);
  foreground_ = next;
  Invalidate(kBarRect);
  if (old) old->Dispatch(QZ_WM_ACTIVATE, 0, 0);
  if (fg && foreground_ == next) fg->Dispatch(QZ_WM_ACTIVATE, 1, 0);
}

void Screen::PushModal(CQzWnd* wnd) {
  modals_.push_back(wnd);
  Raise(wnd);
}

void Screen::PopModal(CQzWnd* wnd) {
  auto it = std::find(modals_.rbegin(), modals_.rend(), wnd);
  if (it != modals_.rend()) modals_.erase(std::next(it).base());
}

CQzWnd* Screen::WindowAt(int x, int y) const {
  // While a modal window runs, only it and the windows stacked above it take input.
  auto lowest = stack_.begin();
  if (!modals_.empty()) {
    auto m = std::find(stack_.begin(), stack_.end(), modals_.back());
    if (m != stack_.end()) lowest = m;
  }
  for (auto it = stack_.end(); it != lowest;) {
    --it;
    RECT rc = (*it)->GetWindowRect();
    if ((*it)->IsWindowVisible() && RectContains(rc, x, y)) return DeepestAt(*it, x, y);
  }
  return nullptr;
}

// ---- painting ----

void Screen::Invalidate(const RECT& rect) {
  RECT r = RectIntersect(rect, kScreenRect);
  if (!RectEmpty(r)) dirty_ = RectUnion(dirty_, r);
}

void Screen::Paint() {
  if (painting_) return;
  painting_ = true;
  RECT dirty = dirty_;
  dirty_ = RECT{};
  HDC dc = CeCreateDCForSurface(surface_);
  if (dc) {
    if (!RectEmpty(RectIntersect(dirty, kBarRect))) {
      CQzWnd* fg = Foreground();
      bar_->Paint(dc, fg ? fg->GetWindowText() : nullptr);
    }
    RECT below = RectIntersect(dirty, RECT{0, kShellBarHeight, kWidth, kHeight});
    if (!RectEmpty(below)) PaintWindows(dc, below, nullptr);
    DeleteDC(dc);
  }
  painting_ = false;
  driver_->Present(surface_, dirty);
}

void Screen::PaintWindows(HDC dc, const RECT& area, CQzWnd* stopAt) {
  // Windows are opaque: start from the topmost one that covers the area.
  std::vector<CQzWnd*> visible;
  for (CQzWnd* w : stack_) {
    if (w == stopAt) break;
    if (w->IsWindowVisible() && !RectEmpty(RectIntersect(w->GetWindowRect(), area))) visible.push_back(w);
  }
  size_t first = 0;
  bool covered = false;
  for (size_t i = visible.size(); i-- > 0;) {
    RECT part = RectIntersect(visible[i]->GetWindowRect(), area);
    if (part.left == area.left && part.top == area.top && part.right == area.right &&
        part.bottom == area.bottom) {
      first = i;
      covered = true;
      break;
    }
  }
  if (!covered) {
    HBRUSH desk = CreateSolidBrush(kDesktopColour);
    FillRect(dc, &area, desk);
    DeleteObject(desk);
  }
  cairo_t* cr = CeGetCairo(dc);
  for (size_t i = first; i < visible.size(); ++i) {
    CQzWnd* w = visible[i];
    RECT rc = w->GetWindowRect();
    RECT part = RectIntersect(rc, area);
    cairo_save(cr);
    cairo_translate(cr, rc.left, rc.top);
    w->PaintTree(dc, RectOffset(part, -rc.left, -rc.top));
    cairo_restore(cr);
  }
}

bool Screen::SavePng(const std::filesystem::path& path) {
  if (NeedsPaint()) Paint();
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool Screen::SaveDisplayPng(const std::filesystem::path& path) {
  if (NeedsPaint()) Paint();
  cairo_surface_t* shot = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  bool ok = driver_->ReadBack(shot) && cairo_surface_write_to_png(shot, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(shot);
  return ok;
}

// ---- input ----

void Screen::DispatchInput(const MSG& msg) {
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      RouteMouse(msg);
      return;
    default: {
      // Keys go to the foreground window (the running modal window, if any).
      CQzWnd* target = modals_.empty() ? Foreground() : modals_.back();
      if (target) target->Dispatch(msg.message, msg.wParam, msg.lParam);
    }
  }
}

void Screen::RouteMouse(const MSG& msg) {
  const int x = static_cast<int16_t>(LOWORD(msg.lParam));
  const int y = static_cast<int16_t>(HIWORD(msg.lParam));
  auto deliver = [&](CQzWnd* wnd, UINT message) {
    RECT rc = wnd->GetWindowRect();
    wnd->Dispatch(message, MK_LBUTTON, MAKELPARAM(x - rc.left, y - rc.top));
  };

  if (msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK) {
    pressWnd_ = nullptr;
    pressOnBar_ = y < kShellBarHeight;
    if (pressOnBar_) return;
    CQzWnd* target = WindowAt(x, y);
    if (!target) return;
    pressWnd_ = target->GetHwnd();
    DWORD now = Clock::Now();
    bool dbl = lastDownValid_ && lastDownWnd_ == pressWnd_ && now - lastDownTime_ <= kDoubleClickMs &&
               std::abs(x - lastDownPt_.x) <= kDoubleClickSlop && std::abs(y - lastDownPt_.y) <= kDoubleClickSlop;
    // A third quick press starts over as a plain press.
    lastDownValid_ = !dbl;
    lastDownWnd_ = pressWnd_;
    lastDownTime_ = now;
    lastDownPt_ = POINT{x, y};
    deliver(target, dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN);
    return;
  }

  if (pressOnBar_) {
    if (msg.message == WM_LBUTTONUP) {
      pressOnBar_ = false;
      if (y < kShellBarHeight) bar_->Tap();
    }
    return;
  }
  // The finger's window keeps the touch, unless a modal window opened above
  // it meanwhile: then the modal window gets the rest of the touch.
  CQzWnd* target = CQzWnd::FromHandle(pressWnd_);
  if (target && !modals_.empty()) {
    auto top = std::find(stack_.begin(), stack_.end(), modals_.back());
    CQzWnd* topLevel = target;
    while (topLevel && !topLevel->IsTopLevel()) topLevel = CQzWnd::FromHandle(topLevel->GetParent());
    auto pos = std::find(stack_.begin(), stack_.end(), topLevel);
    if (pos < top) target = WindowAt(x, y);
  }
  if (!target) return;
  if (msg.message == WM_LBUTTONUP) pressWnd_ = nullptr;
  deliver(target, msg.message);
}

void Screen::PressMKey() { bar_->PressMKey(); }

}  // namespace qzfc
