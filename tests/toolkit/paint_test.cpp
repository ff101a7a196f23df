// Painting: each control paints inside its own rectangle, or as far beyond it
// as its clip extension allows, only what was invalidated repaints, popups
// cover their owners, and slide animations run instantly on the headless
// screen or frame by frame on the clock when a test watches.
#include <gtest/gtest.h>

#include "window_fixture.h"
#include "qzfc/AnimateHelper.h"
#include "qzfc/Clock.h"
#include "qzfc/MemoryDC.h"

namespace qzfc::test {
namespace {

// Fills far more than its rectangle, and counts its paints.
class GreedyControl : public UiWin {
 public:
  explicit GreedyControl(COLORREF c = RGB(0, 0, 255)) : colour(c) {}
  void PaintWin(HDC hdc, const RECT&, const RECT&) override {
    ++paints;
    FillSolid(hdc, RECT{0, 0, 480, 720}, colour);
  }
  COLORREF colour;
  int paints = 0;
};

using PaintTest = ControlsTest;

TEST_F(PaintTest, ControlsPaintWithinTheirRectangleOrClipExtensionAndOnlyWhenInvalidated) {
  GreedyControl c, bottom(RGB(0, 255, 0));
  c.SetPos(100, 100, 50, 50);  // screen (100, 180) to (150, 230)
  bottom.SetPos(0, 600, 480, 82);
  wnd.AddUiWin(&c);
  wnd.AddUiWin(&bottom);
  robot.Settle();
  const RECT workArea{0, 80, 480, 800};
  EXPECT_EQ(ScreenInk(RECT{100, 180, 150, 230}, 0x0000FF, 0), 50 * 50);
  EXPECT_EQ(ScreenInk(workArea, 0x0000FF, 0), 50 * 50) << "nothing beyond its rectangle";

  c.EnableClipExtend(TRUE);
  c.SetClipExtend(5, 3);
  const int paints = c.paints, bottomPaints = bottom.paints;
  c.Invalidate();
  c.Invalidate();  // merged with the first
  robot.Settle();
  EXPECT_EQ(c.paints, paints + 1);
  EXPECT_EQ(bottom.paints, bottomPaints) << "outside the invalidated area";
  EXPECT_EQ(ScreenInk(RECT{95, 177, 155, 233}, 0x0000FF, 0), 60 * 56);
  EXPECT_EQ(ScreenInk(workArea, 0x0000FF, 0), 60 * 56);

  // Hiding it repaints the window's white over it.
  c.SetVisible(FALSE);
  robot.Settle();
  EXPECT_EQ(ScreenInk(workArea, 0x0000FF, 0), 0);
}

TEST_F(PaintTest, ModalPopupCoversItsOwnerAndUncoversItWhenDone) {
  GreedyControl band;
  band.SetPos(0, 0, 480, 50);
  Add(band);
  ASSERT_EQ(ScreenPixel(10, 90), 0x0000FFu);
  RecordingWnd popup;
  ASSERT_TRUE(popup.Create(0, 80, 480, 720, wnd.GetHwnd(), 0, WS_POPUP));
  uint32_t during = 0;
  robot.WhenModalWaits([&] {
    robot.Settle();
    during = ScreenPixel(10, 90);
    popup.EndModal(2);
  });
  EXPECT_EQ(popup.DoModal(FALSE), 2);
  EXPECT_EQ(during, 0xFFFFFFu);  // the popup's white over the band
  robot.Settle();
  EXPECT_EQ(ScreenPixel(10, 90), 0x0000FFu);
}

// Columns of screen row 400 that show the new (blue) picture.
int BlueColumns() { return ScreenInk(RECT{0, 400, 480, 401}, 0x0000FF, 0); }

// Plays a red-to-blue slide over the work area without its bottom 70
// pixels, as the window transitions do.
void PlaySlide(int type) {
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 0, 255)};
  HBITMAP pictures[2];
  for (int i = 0; i < 2; ++i) {
    MemoryDC m(480, 650);
    FillSolid(m, RECT{0, 0, 480, 650}, colours[i]);
    pictures[i] = m.DetachBitmap();
  }
  HDC screen = GetDC(nullptr);
  {
    AnimateHelper helper(screen, RECT{0, 80, 480, 730});
    AnimateBitmap(pictures[0], pictures[1], helper.GetDC(), RECT{0, 0, 480, 650}, type, 24, 32);
  }
  ReleaseDC(nullptr, screen);
  for (HBITMAP picture : pictures) DeleteObject(picture);
}

TEST_F(PaintTest, HeadlessSlideIsInstantAndTheWindowRepaintsAfterwards) {
  DWORD start = Clock::Now();
  PlaySlide(12);
  EXPECT_EQ(Clock::Now(), start);
  EXPECT_EQ(BlueColumns(), 480);
  EXPECT_EQ(ScreenPixel(10, 729), 0x0000FFu);
  EXPECT_NE(ScreenPixel(10, 730), 0x0000FFu);  // the tool bar strip is left alone
  EXPECT_TRUE(Screen::Get().NeedsPaint());
  robot.Settle();
  EXPECT_EQ(ScreenPixel(240, 400), 0xFFFFFFu);  // the window's own white
}

TEST_F(ToolkitTest, WatchedSlidesMoveOnTheClockFromTheRightSide) {
  for (int type : {12, 11}) {
    std::vector<int> blue;
    std::vector<uint32_t> leftEdge;
    AnimateHelper::WatchFrames([&](int, int) {
      blue.push_back(BlueColumns());
      leftEdge.push_back(ScreenPixel(0, 400));
    });
    DWORD start = Clock::Now();
    PlaySlide(type);
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

}  // namespace
}  // namespace qzfc::test
