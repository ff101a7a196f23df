// Painting controls: each paints inside its own rectangle, or as far beyond
// it as its clip extension allows, and only what was invalidated repaints.
#include <gtest/gtest.h>

#include "pixels.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

// Fills far more than its rectangle, and counts its paints.
class GreedyControl : public UiWin {
 public:
  void PaintWin(HDC hdc, const RECT&, const RECT&) override {
    ++paints;
    FillSolid(hdc, RECT{0, 0, 480, 720}, RGB(0, 0, 255));
  }
  int paints = 0;
};

class PaintTest : public ToolkitTest {
 protected:
  void SetUp() override { Open(wnd); }
  RecordingWnd wnd;
};

TEST_F(PaintTest, ControlsPaintWithinTheirRectangleOrClipExtension) {
  GreedyControl c;
  c.SetPos(100, 100, 50, 50);  // screen (100, 180) to (150, 230)
  wnd.AddUiWin(&c);
  robot.Settle();
  const RECT workArea{0, 80, 480, 800};
  EXPECT_EQ(ScreenInk(RECT{100, 180, 150, 230}, 0x0000FF, 0), 50 * 50);
  EXPECT_EQ(ScreenInk(workArea, 0x0000FF, 0), 50 * 50) << "nothing beyond its rectangle";

  c.EnableClipExtend(TRUE);
  c.SetClipExtend(5, 3);
  c.Invalidate();
  robot.Settle();
  EXPECT_EQ(ScreenInk(RECT{95, 177, 155, 233}, 0x0000FF, 0), 60 * 56);
  EXPECT_EQ(ScreenInk(workArea, 0x0000FF, 0), 60 * 56);

  // Hiding it repaints the window's white over it.
  c.SetVisible(FALSE);
  robot.Settle();
  EXPECT_EQ(ScreenInk(workArea, 0x0000FF, 0), 0);
}

TEST_F(PaintTest, OnlyControlsMeetingTheInvalidatedAreaRepaint) {
  GreedyControl top, bottom;
  top.SetPos(0, 0, 480, 82);
  bottom.SetPos(0, 600, 480, 82);
  wnd.AddUiWin(&top);
  wnd.AddUiWin(&bottom);
  robot.Settle();
  int topBefore = top.paints, bottomBefore = bottom.paints;
  top.Invalidate();
  top.Invalidate();  // merged with the first
  robot.Settle();
  EXPECT_EQ(top.paints, topBefore + 1);
  EXPECT_EQ(bottom.paints, bottomBefore);
}

TEST_F(PaintTest, ModalPopupCoversItsOwnerAndUncoversItWhenDone) {
  GreedyControl band;
  band.SetPos(0, 0, 480, 50);
  wnd.AddUiWin(&band);
  robot.Settle();
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

}  // namespace
}  // namespace qzfc::test
