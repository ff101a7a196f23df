#include "controls/list/ListScroller.h"

#include <algorithm>
#include <cmath>

namespace qzfc {
namespace {

// Speeds are in pixels per millisecond.
constexpr double kMinFlingSpeed = 0.15;
constexpr double kMaxFlingSpeed = 5.0;
constexpr double kStopSpeed = 0.02;
// The speed falls to 1/e of itself every kDecayMs.
constexpr double kDecayMs = 325.0;
// Only the last part of a drag tells its speed.
constexpr uint32_t kSampleWindowMs = 100;

double EaseOut(double t) { return 1.0 - (1.0 - t) * (1.0 - t) * (1.0 - t); }

}  // namespace

void ListScroller::SetMinTop(int minTop) { minTop_ = std::min(0, minTop); }

int ListScroller::Clamp(int top) const { return std::clamp(top, minTop_, 0); }

void ListScroller::SetTop(int top) {
  top_ = Clamp(top);
  motion_ = Motion::None;
}

void ListScroller::Press(int y, uint32_t now) {
  motion_ = Motion::None;
  dragY_ = y;
  samples_.clear();
  samples_.push_back({y, now});
}

void ListScroller::BeginDrag(int y, uint32_t now) {
  motion_ = Motion::Dragging;
  dragY_ = y;
  dragTop_ = top_;
  samples_.clear();
  samples_.push_back({y, now});
}

// Beyond either end the list moves half as far as the finger.
int ListScroller::Resisted(int top) const {
  if (top > 0) return top / 2;
  if (top < minTop_) return minTop_ + (top - minTop_) / 2;
  return top;
}

int ListScroller::Unresisted(int top) const {
  if (top > 0) return top * 2;
  if (top < minTop_) return minTop_ + (top - minTop_) * 2;
  return top;
}

void ListScroller::Drag(int y, uint32_t now) {
  if (motion_ != Motion::Dragging) return;
  // The unresisted position is where the finger would have taken the list.
  top_ = Resisted(Unresisted(dragTop_) + (y - dragY_));
  samples_.push_back({y, now});
  while (samples_.size() > 2 && now - samples_.front().t > kSampleWindowMs) samples_.pop_front();
}

void ListScroller::Release(uint32_t now) {
  if (motion_ != Motion::Dragging) {
    motion_ = Motion::None;
    return;
  }
  velocity_ = 0;
  if (samples_.size() >= 2) {
    const Sample& a = samples_.front();
    const Sample& b = samples_.back();
    if (b.t > a.t && now - b.t <= kSampleWindowMs)
      velocity_ = static_cast<double>(b.y - a.y) / static_cast<double>(b.t - a.t);
  }
  velocity_ = std::clamp(velocity_, -kMaxFlingSpeed, kMaxFlingSpeed);
  if (top_ != Clamp(top_)) {
    StartEase(Motion::Spring, Clamp(top_), now, kSpringMs);
  } else if (std::fabs(velocity_) >= kMinFlingSpeed) {
    motion_ = Motion::Fling;
    exactTop_ = top_;
    lastStep_ = now;
  } else {
    motion_ = Motion::None;
  }
}

void ListScroller::AnimateTo(int top, uint32_t now) { StartEase(Motion::Animate, Clamp(top), now, kAnimateMs); }

void ListScroller::StartEase(Motion motion, int to, uint32_t now, uint32_t duration) {
  from_ = top_;
  to_ = to;
  start_ = now;
  duration_ = duration;
  motion_ = from_ == to_ ? Motion::None : motion;
}

bool ListScroller::Step(uint32_t now) {
  switch (motion_) {
    case Motion::Fling: {
      double dt = static_cast<double>(now - lastStep_);
      lastStep_ = now;
      // Exact integral of an exponentially decaying speed over dt.
      double decay = std::exp(-dt / kDecayMs);
      exactTop_ += velocity_ * kDecayMs * (1.0 - decay);
      velocity_ *= decay;
      top_ = static_cast<int>(std::lround(exactTop_));
      if (top_ != Clamp(top_)) {
        // A fling stops at the end it reaches.
        top_ = Clamp(top_);
        motion_ = Motion::None;
      } else if (std::fabs(velocity_) < kStopSpeed) {
        motion_ = Motion::None;
      }
      break;
    }
    case Motion::Spring:
    case Motion::Animate: {
      uint32_t elapsed = now - start_;
      if (elapsed >= duration_) {
        top_ = to_;
        motion_ = Motion::None;
      } else {
        double t = static_cast<double>(elapsed) / static_cast<double>(duration_);
        top_ = from_ + static_cast<int>(std::lround((to_ - from_) * EaseOut(t)));
      }
      break;
    }
    default:
      break;
  }
  return IsAnimating();
}

}  // namespace qzfc
