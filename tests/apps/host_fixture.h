// A phone host on the headless screen over a fresh device root, driven by
// the toolkit's robot; a window left waiting fails the test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "HostApp.h"
#include "ce/journal.h"
#include "ce/shell.h"
#include "qzfc/Robot.h"
#include "qzfc/Sip.h"
#include "qzfc/UiWin.h"
#include "temp_root.h"

namespace apps::test {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    robot_.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
  }
  void StartHost(telhub::DemoStore demo = telhub::DemoStore::Never) {
    ASSERT_TRUE(host_.Start(demo));
    robot_.Settle();
  }
  // Starts a program by its device path, as another program would.
  static bool Launch(const wchar_t* program, const std::wstring& parameters) {
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.lpFile = program;
    info.lpParameters = parameters.c_str();
    return ShellExecuteEx(&info) != FALSE;
  }
  // Taps the middle of a control of the foreground window (windows start
  // below the 80-pixel shell bar).
  void TapControl(int id) {
    UiWin* control = robot_.FindControl(id);
    ASSERT_NE(control, nullptr) << id;
    RECT rc = control->GetWinRect();
    robot_.Tap((rc.left + rc.right) / 2, 80 + (rc.top + rc.bottom) / 2);
  }
  // Taps the tool bar at x; the keyboard covers it while a field has it, so
  // the user puts it away with its own key first.
  void TapToolBar(int x) {
    if (qzfc::Sip::Instance().IsVisible()) {
      RECT hide = qzfc::Sip::Instance().KeyRect(L"\u25BC");
      robot_.Tap((hide.left + hide.right) / 2, (hide.top + hide.bottom) / 2);
    }
    robot_.Tap(x, 765);
  }
  // The launches in the journal, as "program|parameters".
  static std::vector<std::wstring> Launches() {
    std::vector<std::wstring> out;
    for (const ce::JournalEntry& e : ce::ReadLaunchJournal())
      if (e.kind == "launch") out.push_back(e.program + L"|" + e.details);
    return out;
  }

  vorna::test::TempDeviceRoot root_;
  qzfc::Robot robot_;
  telhub::HostApp host_;
};

// Where a gallery picture goes: the README's docs/images when
// VORNA_UPDATE_GALLERY is set, the temporary folder otherwise.
inline std::filesystem::path GalleryFile(const std::string& name) {
  if (std::getenv("VORNA_UPDATE_GALLERY")) return std::filesystem::path(VORNA_SOURCE_DIR) / "docs/images" / name;
  return std::filesystem::path(::testing::TempDir()) / name;
}

}  // namespace apps::test
