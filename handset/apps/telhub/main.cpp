// telhub: the phone host, the handset's main program.
//
//   telhub [--root DIR] [--no-demo] [-k NUMBER]
//   telhub --headless --script FILE [--shots DIR] [--root DIR] [--no-demo]
//   telhub [--root DIR] --open-vcard FILE.vcf
//
// It opens the phone (call log, contacts, dialer) in a real window through
// SDL; F1 or Home is the M key. With --headless it replays a tour script on
// the in-memory screen and writes the screenshots the script asks for into
// DIR (the current folder by default, made when missing); the format is in
// TourScript.h. On its
// first start on an empty device it seeds a demo store (--no-demo: never).
// -k NUMBER dials the number at once, as "\windows\telhub.exe" does.
// --open-vcard shows a card file in the phone already running on the root,
// or else in a new one.
//
// Exit status: 0 done, 1 the script failed (bad line, screenshot not
// written, a window left waiting), 2 usage error, no display, or a device
// root (or contacts store) that cannot be used, 3 the window could not be
// created.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "DeviceCheck.h"
#include "DialParameters.h"
#include "HostApp.h"
#include "TourPlayer.h"
#include "TourScript.h"
#include "VcardOpening.h"
#include "ce/device.h"
#include "ce/utf8.h"
#include "ce/window_registry.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/Screen.h"

namespace {

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "telhub: %s\n", problem);
  std::fprintf(stderr,
               "usage: telhub [--root DIR] [--no-demo] [-k NUMBER]\n"
               "       telhub --headless --script FILE [--shots DIR] [--root DIR] [--no-demo]\n"
               "       telhub [--root DIR] --open-vcard FILE.vcf\n");
  return 2;
}

// SDL falls back to an invisible offscreen display when there is none, and
// the phone would then run unseen for ever: ask for a real one first. Setting
// SDL_VIDEODRIVER chooses a driver on purpose and is trusted.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  bool headless = false;
  std::string script, shots = ".";
  std::wstring dial;
  std::string vcard;
  telhub::DemoStore demo = telhub::DemoStore::SeedWhenEmpty;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--headless") {
      headless = true;
    } else if (arg == "--no-demo") {
      demo = telhub::DemoStore::Never;
    } else if (arg == "--root" && hasValue) {
      if (!ce::SetDeviceRoot(argv[++i])) return Usage("--root needs a folder");
    } else if (arg == "--script" && hasValue) {
      script = argv[++i];
    } else if (arg == "--shots" && hasValue) {
      shots = argv[++i];
    } else if (arg == "--open-vcard" && hasValue) {
      vcard = argv[++i];
    } else if (arg == "-k" && hasValue) {
      dial = telhub::ParseDialParameters(L"-k " + ce::FromUtf8(argv[++i]));
    } else if (arg.rfind("-k ", 0) == 0) {
      dial = telhub::ParseDialParameters(ce::FromUtf8(arg));  // the launcher passes "-k NUMBER" as one argument
    } else if (arg == "--help" || arg == "-h") {
      Usage(nullptr);
      return 0;
    } else {
      return Usage(("unknown or incomplete option " + arg).c_str());
    }
  }
  if (headless != !script.empty()) return Usage("--headless and --script go together");
  std::string problem;
  if (!vcard.empty() && !telhub::CheckVcardFile(vcard, problem)) {
    std::fprintf(stderr, "telhub: %s\n", problem.c_str());
    return 2;
  }
  std::string unusable;
  if (!vorna::device::CheckDevice(unusable)) {
    std::fprintf(stderr, "telhub: %s\n", unusable.c_str());
    return 2;
  }

  const unsigned vcardTag = static_cast<unsigned>(getpid());
  if (!vcard.empty()) {
    if (!telhub::StageVcard(vcard, vcardTag, problem)) {
      std::fprintf(stderr, "telhub: %s\n", problem.c_str());
      return 2;
    }
    // A phone already running on this root shows the card itself.
    HWND running = FindWindowW(telhub::CTelhubWnd::kClassName, nullptr);
    if (running && PostMessageW(running, telhub::kMsgOpenVcard, vcardTag, 0)) return 0;
  }

  telhub::TourScript tour;
  if (headless) {
    std::error_code error;
    std::ifstream in(script, std::ios::binary);
    if (!in || std::filesystem::is_directory(script, error)) return Usage(("cannot read " + script).c_str());
    tour = telhub::ReadTourScript(in);
    if (!tour.ok()) {
      std::fprintf(stderr, "telhub: %s:%d: %s\n", script.c_str(), tour.errorLine, tour.error.c_str());
      return 1;
    }
  }
  if ((!headless && !HasDisplay()) || !qzfc::Screen::Start(headless ? qzfc::Display::Headless : qzfc::Display::Sdl)) {
    std::fprintf(stderr, "telhub: no display (try --headless --script FILE)\n");
    return 2;
  }

  telhub::HostApp app;
  if (!app.Start(demo)) {
    std::fprintf(stderr, "telhub: the phone window could not be created\n");
    return 3;
  }
  if (!dial.empty()) app.Dial(dial);
  if (!vcard.empty()) PostMessageW(app.Window().GetHwnd(), telhub::kMsgOpenVcard, vcardTag, 0);
  if (!headless) return qzfc::MessageLoop::Get().Run();

  std::error_code ignored;
  std::filesystem::create_directories(shots, ignored);  // a failure shows at the first screenshot
  telhub::TourPlayer player(std::move(tour.steps), shots);
  if (!player.Play()) {
    std::fprintf(stderr, "telhub: %s\n", player.error().c_str());
    return 1;
  }
  return 0;
}
