// The window transition slides over the window above its tool bar and frees
// both pictures.
#include "core/util/AnimateTransition.h"
#include "ui_fixture.h"

namespace vorna::test {
namespace {

class PlainWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"AnimateTransitionTestWnd"; }
};

HBITMAP Solid(COLORREF colour, int width, int height) {
  MemoryDC memory(width, height);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  return memory.DetachBitmap();
}

using AnimateTransitionTest = LibraryUiTest;

TEST_F(AnimateTransitionTest, SlidesAboveTheToolBarAndDeletesBothPictures) {
  PlainWnd wnd;
  Open(wnd);
  RECT area = wnd.GetWindowRect();
  const int width = area.right - area.left, height = area.bottom - area.top - 70;
  HBITMAP from = Solid(RGB(255, 0, 0), width, height);
  HBITMAP to = Solid(RGB(0, 0, 255), width, height);
  int frames = 0;
  AnimateHelper::WatchFrames([&](int, int count) { frames = count; });
  const COLORREF toolBarBefore = ScreenPixel(10, area.bottom - 10);

  AnimateTransition(from, to, 12, wnd.GetHwnd());
  AnimateHelper::WatchFrames({});

  EXPECT_EQ(frames, 24);
  EXPECT_EQ(ScreenPixel(10, area.top + 5), RGB(0, 0, 255));
  EXPECT_EQ(ScreenPixel(width - 10, area.bottom - 71), RGB(0, 0, 255));
  EXPECT_EQ(ScreenPixel(10, area.bottom - 10), toolBarBefore) << "the tool bar band was drawn over";
  EXPECT_FALSE(DeleteObject(from)) << "the first picture was not deleted";
  EXPECT_FALSE(DeleteObject(to)) << "the second picture was not deleted";

  // Without a window there is nothing to slide over, but the pictures still go.
  from = Solid(RGB(255, 0, 0), 10, 10);
  to = Solid(RGB(0, 0, 255), 10, 10);
  AnimateTransition(from, to, 11, nullptr);
  EXPECT_FALSE(DeleteObject(from));
  EXPECT_FALSE(DeleteObject(to));
}

}  // namespace
}  // namespace vorna::test
