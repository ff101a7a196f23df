// ScrollFrames: runs a ListScroller's motion on the toolkit clock. Each frame
// steps the scroller to the clock's time and then calls `onFrame` (which
// moves and redraws the control), until the scroller comes to rest.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/list/ListScroller.h"

namespace qzfc {

class ScrollFrames {
 public:
  ScrollFrames(ListScroller& scroller, std::function<void()> onFrame);
  ~ScrollFrames();
  ScrollFrames(const ScrollFrames&) = delete;
  ScrollFrames& operator=(const ScrollFrames&) = delete;

  // Starts the frames when the scroller is animating and they are not running.
  void Start();
  void Cancel();

  static constexpr unsigned kFrameMs = 16;

 private:
  void OnFrame();

  ListScroller& m_scroller;
  std::function<void()> m_onFrame;
  uint64_t m_token = 0;
};

}  // namespace qzfc
