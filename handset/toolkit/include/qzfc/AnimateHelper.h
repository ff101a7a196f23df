// Slide animations on the screen.
//
// AnimateHelper gives a drawing context over a rectangle of a DC (usually
// the screen's, GetDC(NULL)); AnimateBitmap plays a slide between two
// bitmaps into such a context: type 12 slides forward (the new picture comes
// in from the right), 11 back (from the left), 1 slides the new picture up
// from the bottom, 2 slides the old one down. Frames follow the toolkit
// clock; on the headless screen the animation is instant (only the last
// frame is drawn) unless a test watches it.
#pragma once

#include <functional>

#include "ce/gdi.h"

class CQzWnd;

class AnimateHelper {
 public:
  AnimateHelper(HDC target, const RECT& rect);
  ~AnimateHelper();
  AnimateHelper(const AnimateHelper&) = delete;
  AnimateHelper& operator=(const AnimateHelper&) = delete;

  // Draws into the rectangle, with its top-left corner as the origin.
  HDC GetDC() const { return m_dc; }
  // Ends the animation: the screen repaints the area from the windows.
  void Finish();

  // A test that watches animations on the headless screen gets every frame
  // (its number and the frame count) after it is drawn; the clock moves on
  // by the frame time between frames. An empty function stops watching.
  using FrameWatcher = std::function<void(int frame, int frames)>;
  static void WatchFrames(FrameWatcher watcher);

 private:
  HDC m_dc = nullptr;
  RECT m_screenRect{};
  bool m_finished = false;
};

// Plays the slide of `type` from `from` to `to` into `rect` of `hdc`, in
// `frames` steps of `frameMs` milliseconds each, easing out.
void AnimateBitmap(HBITMAP from, HBITMAP to, HDC hdc, const RECT& rect, int type, int frames, int frameMs);

namespace qzfc {
// Slides a window's content in (showing) or out over the screen area.
void AnimateSlideWindow(CQzWnd* wnd, HBITMAP content, const RECT& area, int type, bool showing);
}  // namespace qzfc
