// The one window an applet of the host shows at a time, over the work area.
// Closing hides it at once and frees it once the message loop is back: the
// window's own handler (the tap on its tool bar) may still be on the stack.
#pragma once

#include <memory>

#include "qzfc/MessageLoop.h"
#include "qzfc/WinApi.h"

namespace telhub {

template <typename Wnd>
class AppletScreen {
 public:
  // Shows `wnd` over the work area in place of the window open now; false,
  // with none open, when it cannot be created.
  bool Open(std::unique_ptr<Wnd> wnd) {
    Close();
    const RECT area = QzGetWorkArea();
    if (!wnd->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0)) return false;
    wnd_ = std::move(wnd);
    wnd_->Show(TRUE);
    return true;
  }
  Wnd* Get() const { return wnd_.get(); }
  void Close() {
    if (!wnd_) return;
    QzCloseSip();
    wnd_->Show(FALSE);
    Wnd* closing = wnd_.release();
    qzfc::MessageLoop::Get().StartCallback(0, [closing] { delete closing; });
  }
  // Frees the window at once (the host going away).
  void Discard() { wnd_.reset(); }

 private:
  std::unique_ptr<Wnd> wnd_;
};

}  // namespace telhub
