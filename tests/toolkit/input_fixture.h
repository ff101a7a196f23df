// A window that records the edit notifications, and the gallery shot helper
// of the input tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "window_fixture.h"

namespace qzfc::test {

struct Change {
  WPARAM id;
  UINT code;
  UINT extra;
  bool operator==(const Change&) const = default;
};

class EditWnd : public RecordingWnd {
 public:
  explicit EditWnd(UINT message = 0xFFF10045u) : message_(message) {}
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == message_) {
      changes.push_back({w, LOWORD(l), HIWORD(l)});
      return 0;
    }
    return RecordingWnd::QzDefWndProc(msg, w, l);
  }
  std::vector<Change> changes;

 private:
  UINT message_;
};

// Saves the screen for the README's gallery when QZFC_GALLERY_DIR names a
// folder (the test's temporary folder otherwise).
inline void SaveGalleryShot(Robot& robot, const std::string& name) {
  const char* dir = std::getenv("QZFC_GALLERY_DIR");
  std::filesystem::path folder = dir ? dir : ::testing::TempDir();
  EXPECT_TRUE(robot.SaveScreenshot(folder / (name + ".png")));
}

}  // namespace qzfc::test
