// Slide animations: instant on the headless screen, frame by frame on the
// clock when a test watches, with the new picture coming in from the side
// the slide type says.
#include <gtest/gtest.h>

#include "qzfc/AnimateHelper.h"
#include "qzfc/Clock.h"
#include "qzfc/MemoryDC.h"
#include "pixels.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

HBITMAP Solid(COLORREF c) {
  MemoryDC m(480, 650);
  FillSolid(m, RECT{0, 0, 480, 650}, c);
  return m.DetachBitmap();
}

// Columns of screen row 400 that show the new (blue) picture.
int BlueColumns() { return ScreenInk(RECT{0, 400, 480, 401}, 0x0000FF, 0); }

class AnimateTest : public ToolkitTest {
 protected:
  // Plays a slide over the work area without its bottom 70 pixels, as the
  // window transitions do.
  void Play(int type) {
    HBITMAP from = Solid(RGB(255, 0, 0)), to = Solid(RGB(0, 0, 255));
    HDC screen = GetDC(nullptr);
    {
      AnimateHelper helper(screen, RECT{0, 80, 480, 730});
      AnimateBitmap(from, to, helper.GetDC(), RECT{0, 0, 480, 650}, type, 24, 32);
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(from);
    DeleteObject(to);
  }
};

TEST_F(AnimateTest, HeadlessSlideIsInstant) {
  DWORD start = Clock::Now();
  Play(12);
  EXPECT_EQ(Clock::Now(), start);
  EXPECT_EQ(BlueColumns(), 480);
  EXPECT_EQ(ScreenPixel(10, 729), 0x0000FFu);
  EXPECT_NE(ScreenPixel(10, 730), 0x0000FFu);  // the tool bar strip is left alone
}

TEST_F(AnimateTest, WatchedSlidesMoveOnTheClockFromTheRightSide) {
  for (int type : {12, 11}) {
    std::vector<int> blue;
    std::vector<uint32_t> leftEdge;
    AnimateHelper::WatchFrames([&](int, int) {
      blue.push_back(BlueColumns());
      leftEdge.push_back(ScreenPixel(0, 400));
    });
    DWORD start = Clock::Now();
    Play(type);
    AnimateHelper::WatchFrames(nullptr);
    ASSERT_EQ(blue.size(), 24u);
    EXPECT_EQ(Clock::Now() - start, 23u * 32u);
    for (size_t i = 1; i < blue.size(); ++i) EXPECT_GE(blue[i], blue[i - 1]);
    EXPECT_GT(blue[0], 0);
    EXPECT_LT(blue[5], 480);
    EXPECT_EQ(blue.back(), 480);
    // Forward (12): the new picture enters at the right, so the left edge
    // stays old until the end; back (11): it enters at the left.
    EXPECT_EQ(leftEdge[3], type == 12 ? 0xFF0000u : 0x0000FFu);
  }
}

TEST_F(AnimateTest, WindowsRepaintTheAreaAfterwards) {
  RecordingWnd wnd;
  Open(wnd);
  Play(12);
  EXPECT_TRUE(Screen::Get().NeedsPaint());
  robot.Settle();
  EXPECT_EQ(ScreenPixel(240, 400), 0xFFFFFFu);  // the window's own white
}

}  // namespace
}  // namespace qzfc::test
