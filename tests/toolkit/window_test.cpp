// Windows: creation, showing and activation, modal results, the work area
// and window bitmaps.
#include <gtest/gtest.h>

#include "qzfc/Screen.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

using WindowTest = ToolkitTest;

TEST_F(WindowTest, WorkAreaIsTheScreenBelowTheShellBar) {
  RECT wa = QzGetWorkArea();
  EXPECT_EQ(wa.left, 0);
  EXPECT_EQ(wa.top, 80);
  EXPECT_EQ(wa.right, 480);
  EXPECT_EQ(wa.bottom, 800);
  RECT spi{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &spi, 0));
  EXPECT_EQ(spi.top, 80);
  EXPECT_EQ(spi.bottom, 800);
  EXPECT_FALSE(SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
  EXPECT_FALSE(SystemParametersInfoW(0x1234, 0, &spi, 0));
}

TEST_F(WindowTest, FailedInitDialogLeavesNoWindow) {
  RecordingWnd wnd;
  wnd.initResult = FALSE;
  EXPECT_FALSE(wnd.Create(0, 80, 480, 720, nullptr, 0, WS_POPUP));
  EXPECT_EQ(wnd.GetHwnd(), nullptr);
  EXPECT_EQ(wnd.DoModal(), 0);  // returns at once instead of waiting forever
  EXPECT_FALSE(wnd.IsWindowVisible());
}

TEST_F(WindowTest, ShowAndHideSendShowWindowAndActivation) {
  RecordingWnd a, b;
  Open(a);
  ASSERT_TRUE(b.Create(0, 80, 480, 720, a.GetHwnd(), 0, WS_POPUP));
  a.events.clear();
  b.Show(TRUE);
  b.Show(TRUE);  // already shown: nothing more
  EXPECT_EQ(b.Names(), (std::vector<std::string>{"show", "activate"}));
  EXPECT_EQ(b.events[0].w, 1u);
  EXPECT_EQ(b.events[1].w, 1u);
  ASSERT_EQ(a.Names(), (std::vector<std::string>{"activate"}));
  EXPECT_EQ(a.events[0].w, 0u);  // a lost the foreground
  EXPECT_EQ(robot.Foreground(), &b);

  a.events.clear();
  b.events.clear();
  b.Show(FALSE);
  EXPECT_EQ(b.Names(), (std::vector<std::string>{"show", "activate"}));
  EXPECT_EQ(b.events[0].w, 0u);
  EXPECT_EQ(b.events[1].w, 0u);
  ASSERT_EQ(a.Names(), (std::vector<std::string>{"activate"}));
  EXPECT_EQ(a.events[0].w, 1u);  // a is the foreground window again
  EXPECT_FALSE(b.IsWindowVisible());
  EXPECT_TRUE(a.IsWindowVisible());
}

TEST_F(WindowTest, ParentAndFromHandleFindTheOwner) {
  RecordingWnd host, child;
  Open(host);
  ASSERT_TRUE(child.Create(0, 80, 480, 720, host.GetHwnd(), 7, 0));
  EXPECT_EQ(child.GetParent(), host.GetHwnd());
  EXPECT_EQ(CQzWnd::FromHandle(child.GetParent()), &host);
  EXPECT_EQ(child.GetID(), 7u);
  // A window sends its host a message synchronously, as the tab windows do.
  host.events.clear();
  EXPECT_EQ(CQzWnd::FromHandle(child.GetParent())->SendMessageW(WM_USER + 1, 5, 0), 0);
  ASSERT_EQ(host.events.size(), 1u);
  EXPECT_EQ(host.events[0].l, 5);
}

// Ends with 1 when its button control is tapped.
class DialogWnd : public RecordingWnd {
 public:
  BOOL OnInitDialog() override {
    if (!RecordingWnd::OnInitDialog()) return FALSE;
    ok.SetID(2);
    ok.SetPos(0, 600, 480, 120);
    ok.EnableNotifyMessage(TRUE);
    AddUiWin(&ok);
    return TRUE;
  }
  LRESULT OnQzCommand(WPARAM w, LPARAM l) override {
    if (LOWORD(w) == 2) EndModal(1);
    return RecordingWnd::OnQzCommand(w, l);
  }
  // Posts its command on release like a button.
  class Button : public UiWin {
   public:
    LRESULT OnLButtonUp(UINT f, int x, int y) override {
      if (IsLButtonDown() && HitTest(x, y)) PostCommandMessage(GetID(), 0, MAKELPARAM(x, y));
      return UiWin::OnLButtonUp(f, x, y);
    }
  } ok;
  LRESULT OnLButtonUp(UINT f, int x, int y) override {
    CQzWndEx::OnLButtonUp(f, x, y);
    if (y < 600) EndModal(2);  // a tap anywhere else cancels
    return 0;
  }
};

TEST_F(WindowTest, DoModalReturnsWhatEndModalGot) {
  RecordingWnd host;
  Open(host);
  for (auto [x, y, expected] : {std::tuple{240, 750, 1}, std::tuple{240, 300, 2}}) {
    DialogWnd dlg;
    ASSERT_TRUE(dlg.Create(0, 80, 480, 720, host.GetHwnd(), 0, WS_POPUP));
    dlg.SetAnimateType_Show(1);
    dlg.SetAnimateType_Hide(2);
    dlg.SetAnimateEdge(70, 0, 0, 0);
    robot.WhenModalWaits([&, x = x, y = y] { robot.Tap(x, y); });
    EXPECT_EQ(dlg.DoModal(TRUE), expected);
    EXPECT_FALSE(dlg.IsWindowVisible());
  }
  EXPECT_EQ(robot.PendingModalSteps(), 0u);
  EXPECT_EQ(robot.Foreground(), &host);
}

// Paints its left half red, the rest white.
class HalfRedWnd : public RecordingWnd {
 public:
  void PaintWin(HDC hdc, const RECT& rc) override {
    CQzWndEx::PaintWin(hdc, rc);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT half{0, 0, GetWidth() / 2, GetHeight()};
    FillRect(hdc, &half, red);
    DeleteObject(red);
  }
};

uint32_t BitmapPixel(HBITMAP bmp, int x, int y) {
  cairo_surface_t* s = CeGetBitmapSurface(bmp);
  cairo_surface_flush(s);
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s))[x] &
         0xFFFFFF;
}

TEST_F(WindowTest, WindowBitmapHoldsTheWindowContent) {
  HalfRedWnd wnd;
  Open(wnd);
  HBITMAP whole = wnd.GetWindowBitmap();
  ASSERT_TRUE(whole);
  BITMAP bm{};
  GetObjectW(whole, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 480);
  EXPECT_EQ(bm.bmHeight, 720);
  EXPECT_EQ(BitmapPixel(whole, 10, 10), 0xFF0000u);
  EXPECT_EQ(BitmapPixel(whole, 470, 700), 0xFFFFFFu);
  RECT right{240, 100, 480, 200};
  HBITMAP part = wnd.GetWindowBitmap(&right);
  GetObjectW(part, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 240);
  EXPECT_EQ(BitmapPixel(part, 0, 0), 0xFFFFFFu);
  DeleteObject(whole);
  DeleteObject(part);
}

TEST_F(WindowTest, TitleShowsInTheShellBarOfTheForegroundWindow) {
  RecordingWnd wnd;
  Open(wnd);
  wnd.SetWindowText(L"Recent calls");
  EXPECT_STREQ(wnd.GetWindowText(), L"Recent calls");
  EXPECT_TRUE(Screen::Get().NeedsPaint());  // the bar repaints with the title
}

}  // namespace
}  // namespace qzfc::test
