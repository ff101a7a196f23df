// qzfc_demo: the toolkit's demo window on the screen.
//   qzfc_demo [--headless] [--screenshot FILE] [--quit-after MS]
// Under SDL (the default) it opens a real window; F1 or Home is the M key.
// --screenshot saves the screen as PNG before quitting (under SDL, as read
// back from the window); --quit-after quits
// after that many milliseconds. Exit status 2 when the display cannot start,
// 4 when the screenshot cannot be saved.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "DemoWnd.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/Screen.h"
#include "qzfc/WinApi.h"

namespace {

std::string g_screenshot;

void CALLBACK QuitTimer(HWND, UINT, UINT_PTR, DWORD) {
  int code = 0;
  if (!g_screenshot.empty()) {
    // Under SDL the picture is read back from the display, so it shows what
    // the real window shows.
    qzfc::Screen& screen = qzfc::Screen::Get();
    bool saved = screen.GetDisplay() == qzfc::Display::Sdl ? screen.SaveDisplayPng(g_screenshot)
                                                           : screen.SavePng(g_screenshot);
    if (!saved) {
      std::fprintf(stderr, "qzfc_demo: cannot save %s\n", g_screenshot.c_str());
      code = 4;
    }
  }
  PostQuitMessage(code);
}

}  // namespace

int main(int argc, char** argv) {
  bool headless = false;
  long quitAfter = -1;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--headless")) {
      headless = true;
    } else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc) {
      g_screenshot = argv[++i];
    } else if (!std::strcmp(argv[i], "--quit-after") && i + 1 < argc) {
      quitAfter = std::strtol(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: qzfc_demo [--headless] [--screenshot FILE] [--quit-after MS]\n");
      return 1;
    }
  }
  if (!qzfc::Screen::Start(headless ? qzfc::Display::Headless : qzfc::Display::Sdl)) {
    std::fprintf(stderr, "qzfc_demo: the display cannot start\n");
    return 2;
  }
  qzfc::demo::DemoWnd wnd;
  RECT wa = QzGetWorkArea();
  if (!wnd.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0)) return 3;
  wnd.Show(TRUE);
  if (headless) {
    QuitTimer(nullptr, 0, 0, 0);
    return qzfc::MessageLoop::Get().Run();
  }
  if (quitAfter >= 0) SetTimer(nullptr, 1, static_cast<UINT>(quitAfter), &QuitTimer);
  return qzfc::MessageLoop::Get().Run();
}
