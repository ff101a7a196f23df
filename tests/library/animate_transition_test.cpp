// The window transition slides over the window above its tool bar and frees
// both pictures.
#include <gtest/gtest.h>

#include "core/util/AnimateTransition.h"
#include "platform/ToolkitContract.h"
#include "qzfc/Robot.h"
#include "qzfc/Screen.h"
#include "temp_root.h"

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

uint32_t ScreenPixel(int x, int y) {
  cairo_surface_t* surface = qzfc::Screen::Get().Surface();
  cairo_surface_flush(surface);
  auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  return reinterpret_cast<uint32_t*>(row)[x] & 0xFFFFFF;
}

class AnimateTransitionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
    RECT work = QzGetWorkArea();
    ASSERT_TRUE(wnd.Create(work.left, work.top, work.right - work.left, work.bottom - work.top, nullptr, 0, 0, 0));
    wnd.Show(TRUE);
    robot.Settle();
  }
  vorna::test::TempDeviceRoot root;
  qzfc::Robot robot;
  PlainWnd wnd;
};

TEST_F(AnimateTransitionTest, SlidesAboveTheToolBarAndDeletesBothPictures) {
  RECT area = wnd.GetWindowRect();
  const int width = area.right - area.left, height = area.bottom - area.top - 70;
  HBITMAP from = Solid(RGB(255, 0, 0), width, height);
  HBITMAP to = Solid(RGB(0, 0, 255), width, height);
  int frames = 0;
  AnimateHelper::WatchFrames([&](int, int count) { frames = count; });
  const uint32_t toolBarBefore = ScreenPixel(10, area.bottom - 10);

  AnimateTransition(from, to, 12, wnd.GetHwnd());
  AnimateHelper::WatchFrames({});

  EXPECT_EQ(frames, 24);
  EXPECT_EQ(ScreenPixel(10, area.top + 5), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(width - 10, area.bottom - 71), 0x0000FFu);
  EXPECT_EQ(ScreenPixel(10, area.bottom - 10), toolBarBefore) << "the tool bar band was drawn over";
  EXPECT_FALSE(DeleteObject(from)) << "the first picture was not deleted";
  EXPECT_FALSE(DeleteObject(to)) << "the second picture was not deleted";
}

TEST_F(AnimateTransitionTest, PicturesAreDeletedEvenWithoutAWindow) {
  HBITMAP from = Solid(RGB(255, 0, 0), 10, 10);
  HBITMAP to = Solid(RGB(0, 0, 255), 10, 10);
  AnimateTransition(from, to, 11, nullptr);
  EXPECT_FALSE(DeleteObject(from));
  EXPECT_FALSE(DeleteObject(to));
}

}  // namespace
