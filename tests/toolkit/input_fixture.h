// A window that records the edit notifications, a fixture with two fields in
// it, and the gallery shot helper of the input tests (gallery.h).
#pragma once

#include <vector>

#include "gallery.h"
#include "qzfc/UiSingleLineEdit.h"
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

// Single-line fields 2 and 3, one above the other, in an EditWnd.
class TwoFieldsTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Open(wnd);
    for (int i = 0; i < 2; ++i) {
      fields[i].SetID(2 + i);
      fields[i].SetPos(12, 15 + i * 80, 456, 64);
      wnd.AddUiWin(&fields[i]);
    }
  }
  EditWnd wnd;
  UiSingleLineEdit fields[2];
};

}  // namespace qzfc::test
