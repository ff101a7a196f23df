// Painting controls: each paints inside its own rectangle, or as far beyond
// it as its clip extension allows, and only what was invalidated repaints.
#include <gtest/gtest.h>

#include "qzfc/Screen.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

uint32_t ScreenPixel(int x, int y) {
  cairo_surface_t* s = Screen::Get().Surface();
  cairo_surface_flush(s);
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s))[x] &
         0xFFFFFF;
}

// Fills far more than its rectangle, and counts its paints.
class GreedyControl : public UiWin {
 public:
  void PaintWin(HDC hdc, const RECT&, const RECT&) override {
    ++paints;
    HBRUSH b = CreateSolidBrush(RGB(0, 0, 255));
    RECT all{0, 0, 480, 720};
    FillRect(hdc, &all, b);
    DeleteObject(b);
  }
  int paints = 0;
};

using PaintTest = ToolkitTest;

TEST_F(PaintTest, ControlsPaintWithinTheirRectangleOrClipExtension) {
  RecordingWnd wnd;
  Open(wnd);
  GreedyControl c;
  c.SetPos(100, 100, 50, 50);  // screen (100, 180) to (150, 230)
  wnd.AddUiWin(&c);
  robot.Settle();
  EXPECT_EQ(ScreenPixel(100, 180), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(149, 229), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(99, 180), 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(150, 229), 0xFFFFFFu);

  c.EnableClipExtend(TRUE);
  c.SetClipExtend(5, 3);
  c.Invalidate();
  robot.Settle();
  EXPECT_EQ(ScreenPixel(95, 177), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(154, 232), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(94, 180), 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(100, 176), 0xFFFFFFu);

  // Hiding it repaints the window's white over it.
  c.SetVisible(FALSE);
  robot.Settle();
  EXPECT_EQ(ScreenPixel(120, 200), 0xFFFFFFu);
  wnd.RemoveUiWin(&c);
}

TEST_F(PaintTest, OnlyControlsMeetingTheInvalidatedAreaRepaint) {
  RecordingWnd wnd;
  Open(wnd);
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
  wnd.RemoveUiWin(&top);
  wnd.RemoveUiWin(&bottom);
}

TEST_F(PaintTest, ModalPopupCoversItsOwnerAndUncoversItWhenDone) {
  RecordingWnd owner;
  Open(owner);
  GreedyControl band;
  band.SetPos(0, 0, 480, 50);
  owner.AddUiWin(&band);
  robot.Settle();
  ASSERT_EQ(ScreenPixel(10, 90), 0x0000FFu);
  RecordingWnd popup;
  ASSERT_TRUE(popup.Create(0, 80, 480, 720, owner.GetHwnd(), 0, WS_POPUP));
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
  owner.RemoveUiWin(&band);
}

}  // namespace
}  // namespace qzfc::test
