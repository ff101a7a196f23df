#include "controls/list/ScrollFrames.h"

#include <utility>

#include "qzfc/Clock.h"
#include "qzfc/MessageLoop.h"

namespace qzfc {

ScrollFrames::ScrollFrames(ListScroller& scroller, std::function<void()> onFrame)
    : m_scroller(scroller), m_onFrame(std::move(onFrame)) {}

ScrollFrames::~ScrollFrames() { Cancel(); }

void ScrollFrames::Start() {
  if (m_token || !m_scroller.IsAnimating()) return;
  m_token = MessageLoop::Get().StartCallback(kFrameMs, [this] {
    m_token = 0;
    OnFrame();
  });
}

void ScrollFrames::OnFrame() {
  m_scroller.Step(Clock::Now());
  m_onFrame();
  Start();
}

void ScrollFrames::Cancel() {
  if (m_token) MessageLoop::Get().CancelCallback(m_token);
  m_token = 0;
}

}  // namespace qzfc
