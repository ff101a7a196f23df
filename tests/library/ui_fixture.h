// The library's window tests: a fresh device root, a robot on the headless
// screen whose stalls fail the test, the screen's pixels, and where the
// gallery pictures go.
#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ce/clipboard.h"
#include "ce/journal.h"
#include "ce/wstring.h"
#include "platform/ToolkitContract.h"
#include "qzfc/Robot.h"
#include "qzfc/Screen.h"
#include "qzfc/Sip.h"
#include "temp_root.h"

namespace vorna::test {

// Screen y of a window's client y (windows start below the shell bar).
constexpr int kScreenTop = qzfc::Screen::kShellBarHeight;

class LibraryUiTest : public ::testing::Test {
 protected:
  LibraryUiTest() {
    robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
  }
  // Creates a window over the work area, shown.
  void Open(CQzWnd& wnd) {
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0));
    wnd.Show(TRUE);
    robot.Settle();
  }
  // Puts the soft keyboard away, as a finger does, so that the tool bar shows.
  void HideKeyboard() {
    qzfc::Sip& sip = qzfc::Sip::Instance();
    if (!sip.IsVisible()) return;
    RECT key = sip.KeyRect(L"\u25BC");
    robot.Tap((key.left + key.right) / 2, (key.top + key.bottom) / 2);
    robot.Advance(300);
  }
  // Taps the middle of a rectangle of the foreground window's client area;
  // the pause keeps the next tap from being a double-click.
  void TapIn(const RECT& rc) {
    const CQzWnd* window = robot.Foreground();
    const RECT at = window ? window->GetWindowRect() : QzGetWorkArea();
    robot.Tap(at.left + (rc.left + rc.right) / 2, at.top + (rc.top + rc.bottom) / 2);
    robot.Advance(400);
  }
  // Taps a tool bar button; the soft keyboard covers the bar, so a finger
  // puts it away first.
  void TapButton(UiToolBarPro& bar, int button) {
    HideKeyboard();
    TapIn(bar.GetButtonRect(button));
  }
  // Holds a row until the copy bubble opens over it, lifts the finger and
  // taps the bubble's copy button, which stands just above the row.
  void CopyHeldRow(int x, int y, int rowTop) {
    robot.WhenModalWaits([this, x, y] { robot.Release(x, y); });
    robot.WhenModalWaits([this, rowTop] { robot.Tap(240, rowTop - 49 + 27); });
    robot.Hold(x, y, 600);
    robot.Advance(400);
  }
  // Taps a control of the modal window that will wait for input next.
  void TapWhenModalWaits(int id) {
    robot.WhenModalWaits([this, id] {
      UiWin* control = robot.FindControl(id);
      ASSERT_NE(control, nullptr) << "control " << id;
      TapIn(control->GetWinRect());
    });
  }

  TempDeviceRoot root;
  qzfc::Robot robot;
};

// A pixel of a Cairo image surface as 0x00BBGGRR, like a COLORREF.
inline COLORREF SurfacePixel(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  uint32_t argb = *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s) + x * 4);
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

inline COLORREF ScreenPixel(int x, int y) { return SurfacePixel(qzfc::Screen::Get().Surface(), x, y); }

// How many pixels of the screen rectangle are dark (text).
inline int DarkPixels(int left, int top, int width, int height) {
  int dark = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      COLORREF c = ScreenPixel(x, y);
      if (GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96) ++dark;
    }
  return dark;
}

// The clipboard's text, or nothing when it holds none.
inline std::optional<std::wstring> ClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::wstring> text;
  if (auto* data = static_cast<const wchar_t*>(GetClipboardData(CF_UNICODETEXT))) text = data;
  CloseClipboard();
  return text;
}

// The launch journal's entries of one kind ("launch", "sound").
inline std::vector<ce::JournalEntry> JournalEntries(const char* kind) {
  std::vector<ce::JournalEntry> out;
  for (ce::JournalEntry& e : ce::ReadLaunchJournal())
    if (e.kind == kind) out.push_back(std::move(e));
  return out;
}
// The parameters of each launch of a program (its path, in any case).
inline std::vector<std::wstring> Launched(const wchar_t* program) {
  std::vector<std::wstring> out;
  for (const ce::JournalEntry& e : JournalEntries("launch"))
    if (_wcsicmp(e.program.c_str(), program) == 0) out.push_back(e.details);
  return out;
}
// Every launch as "program|parameters".
inline std::vector<std::wstring> Launches() {
  std::vector<std::wstring> out;
  for (const ce::JournalEntry& e : JournalEntries("launch")) out.push_back(e.program + L"|" + e.details);
  return out;
}
inline std::vector<std::wstring> Dialled() { return Launched(L"\\windows\\calldesk.exe"); }
inline std::vector<std::wstring> Messages() { return Launched(L"\\windows\\msgdesk.exe"); }

// Where a gallery picture goes: the README's docs/images when
// VORNA_UPDATE_GALLERY is set, the temporary folder otherwise.
inline std::filesystem::path GalleryFile(const std::string& name) {
  if (std::getenv("VORNA_UPDATE_GALLERY")) return std::filesystem::path(VORNA_SOURCE_DIR) / "docs/images" / name;
  return std::filesystem::path(::testing::TempDir()) / name;
}

}  // namespace vorna::test
