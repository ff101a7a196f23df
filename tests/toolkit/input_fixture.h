// A window that records the edit notifications, and the gallery shot helper
// of the input tests (gallery.h).
#pragma once

#include <vector>

#include "gallery.h"
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

}  // namespace qzfc::test
