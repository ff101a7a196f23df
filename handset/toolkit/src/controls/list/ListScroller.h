// ListScroller: the vertical motion of a list, without drawing. It follows a
// dragging finger (with resistance when pulled beyond either end), flings on
// release with the finger's speed and slows down, springs back when left
// beyond an end, and animates to a position on request. Times are the
// toolkit clock's milliseconds; positions are list top positions (0 at the
// top, more negative further down; the lowest is `minTop`).
#pragma once

#include <cstdint>
#include <deque>

namespace qzfc {

class ListScroller {
 public:
  enum class Motion { None, Dragging, Fling, Spring, Animate };

  int Top() const { return top_; }
  Motion GetMotion() const { return motion_; }
  bool IsMoving() const { return motion_ != Motion::None; }
  bool IsAnimating() const { return motion_ == Motion::Fling || motion_ == Motion::Spring || motion_ == Motion::Animate; }

  // The range the list may rest in: [minTop, 0].
  void SetMinTop(int minTop);
  int MinTop() const { return minTop_; }
  int Clamp(int top) const;

  // Jumps there (clamped) and stops any motion.
  void SetTop(int top);
  void Stop() { motion_ = Motion::None; }

  // A finger went down at y: stops the motion.
  void Press(int y, uint32_t now);
  // The finger is at y; the list follows it (after BeginDrag).
  void BeginDrag(int y, uint32_t now);
  void Drag(int y, uint32_t now);
  // The finger lifted: fling, spring back, or stop.
  void Release(uint32_t now);
  // Moves to `top` (clamped) over a short animation.
  void AnimateTo(int top, uint32_t now);

  // Advances an animation to `now`; false once it has come to rest.
  bool Step(uint32_t now);

  // Fling speed in pixels per millisecond (after Release).
  double Velocity() const { return velocity_; }

  static constexpr uint32_t kAnimateMs = 300;
  static constexpr uint32_t kSpringMs = 250;

 private:
  struct Sample {
    int y;
    uint32_t t;
  };
  int Resisted(int top) const;
  int Unresisted(int top) const;
  void StartEase(Motion motion, int to, uint32_t now, uint32_t duration);

  int top_ = 0;
  int minTop_ = 0;
  Motion motion_ = Motion::None;

  // Dragging
  int dragY_ = 0;
  int dragTop_ = 0;
  std::deque<Sample> samples_;

  // Fling
  double velocity_ = 0;
  double exactTop_ = 0;
  uint32_t lastStep_ = 0;

  // Spring and animate: eased from -> to.
  int from_ = 0;
  int to_ = 0;
  uint32_t start_ = 0;
  uint32_t duration_ = 0;
};

}  // namespace qzfc
