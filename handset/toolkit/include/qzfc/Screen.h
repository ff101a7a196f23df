// The handset's screen: 480 x 800 pixels, the shell bar in the top 80 (the
// foreground window's title and a clock), and the stack of top-level windows
// below it. The screen paints what was invalidated, routes touch and key
// input to windows, and hands the picture to its display driver: SDL (a real
// window) or headless (in memory; the clock is then virtual).
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "ce/types.h"

class CQzWnd;

namespace qzfc {

class Driver;
class ShellBar;

enum class Display { Headless, Sdl };

class Screen {
 public:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 800;
  static constexpr int kShellBarHeight = 80;

  // The screen, started headless on first use unless Start chose otherwise.
  static Screen& Get();
  // Chooses the display before the first use; false if that display cannot
  // start (no video device for SDL) or the screen is already up.
  static bool Start(Display display);

  Display GetDisplay() const { return display_; }
  Driver& GetDriver() { return *driver_; }
  cairo_surface_t* Surface() { return surface_; }

  // ---- the window stack ----
  void AddWindow(CQzWnd* wnd);
  void RemoveWindow(CQzWnd* wnd);
  void Raise(CQzWnd* wnd);
  // The topmost visible top-level window (NULL for none).
  CQzWnd* Foreground() const;
  // Called when a top-level window was shown or hidden: restacks, sends the
  // activation notices, repaints.
  void OnVisibilityChanged(CQzWnd* wnd, bool visible);
  void PushModal(CQzWnd* wnd);
  void PopModal(CQzWnd* wnd);
  // The top-level window under a screen point that may take input now.
  CQzWnd* WindowAt(int x, int y) const;

  // ---- painting ----
  void Invalidate(const RECT& rect);
  bool NeedsPaint() const { return dirty_.right > dirty_.left; }
  void Paint();
  // Paints the visible windows stacked below `stopAt` (all for NULL) over
  // the screen area into `hdc` (screen coordinates).
  void PaintWindows(HDC hdc, const RECT& area, CQzWnd* stopAt);
  bool SavePng(const std::filesystem::path& path);
  // Saves what the display itself shows (read back from SDL); false when
  // the display keeps no picture of its own (headless).
  bool SaveDisplayPng(const std::filesystem::path& path);
  ShellBar& Bar() { return *bar_; }

  // ---- input (screen coordinates) ----
  // A touch or key message queued with no window: routed here by the loop.
  void DispatchInput(const MSG& msg);
  // The handset's M key: the shell tells the windows that subscribed.
  void PressMKey();

 private:
  Screen(Display display, std::unique_ptr<Driver> driver);
  ~Screen() = delete;  // lives for the whole process
  void SendActivation();
  void RouteMouse(const MSG& msg);

  Display display_;
  std::unique_ptr<Driver> driver_;
  cairo_surface_t* surface_;
  std::unique_ptr<ShellBar> bar_;
  std::vector<CQzWnd*> stack_;  // bottom first
  std::vector<CQzWnd*> modals_;
  HWND foreground_ = nullptr;
  RECT dirty_{};
  bool painting_ = false;

  // Touch state: the window a finger went down on gets its moves and release.
  HWND pressWnd_ = nullptr;
  bool pressOnBar_ = false;
  bool lastDownValid_ = false;
  HWND lastDownWnd_ = nullptr;
  DWORD lastDownTime_ = 0;
  POINT lastDownPt_{};
};

// Double-click: a second press on the same window within this time and distance.
constexpr DWORD kDoubleClickMs = 300;
constexpr int kDoubleClickSlop = 20;

}  // namespace qzfc
