// Windows: the work area, creation, showing and activation, modal results,
// window bitmaps, the title, and the shell's notifications: subscriptions
// read from its named queue, taskbar taps and the M key.
#include <gtest/gtest.h>

#include "ce/msgqueue.h"
#include "pixels.h"
#include "qzfc/QzDraw.h"
#include "qzfc/UiButton.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

using WindowTest = ToolkitTest;

// The events as "name wParam".
std::vector<std::string> Trace(const RecordingWnd& wnd) {
  std::vector<std::string> t;
  for (auto& e : wnd.events) t.push_back(e.what + " " + std::to_string(e.w));
  return t;
}

TEST_F(WindowTest, WorkAreaIsTheScreenBelowTheShellBarWhoseTouchesReachNoWindow) {
  EXPECT_EQ(EdgesOf(QzGetWorkArea()), (Edges{0, 80, 480, 800}));
  RECT spi{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &spi, 0));
  EXPECT_EQ(EdgesOf(spi), (Edges{0, 80, 480, 800}));
  EXPECT_FALSE(SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
  EXPECT_FALSE(SystemParametersInfoW(0x1234, 0, &spi, 0));

  RecordingWnd wnd;
  Open(wnd);
  RecordingControl c;
  c.SetPos(0, 0, 480, 720);
  wnd.AddUiWin(&c);
  robot.Tap(240, 40);
  robot.Tap(240, 79);
  EXPECT_TRUE(c.log.empty());
  robot.Tap(240, 80);
  EXPECT_EQ(c.log.size(), 2u);
}

TEST_F(WindowTest, ShowAndHideSendShowWindowAndActivation) {
  RecordingWnd a, b;
  Open(a);
  ASSERT_TRUE(b.Create(0, 80, 480, 720, a.GetHwnd(), 0, WS_POPUP));
  a.events.clear();
  b.Show(TRUE);
  b.Show(TRUE);  // already shown: nothing more
  EXPECT_EQ(Trace(b), (std::vector<std::string>{"show 1", "activate 1"}));
  EXPECT_EQ(Trace(a), (std::vector<std::string>{"activate 0"}));
  EXPECT_EQ(robot.Foreground(), &b);

  a.events.clear();
  b.events.clear();
  b.Show(FALSE);
  EXPECT_EQ(Trace(b), (std::vector<std::string>{"show 0", "activate 0"}));
  EXPECT_EQ(Trace(a), (std::vector<std::string>{"activate 1"}));  // the foreground again
  EXPECT_FALSE(b.IsWindowVisible());
  EXPECT_TRUE(a.IsWindowVisible());
}

TEST_F(WindowTest, ParentAndFromHandleFindTheOwner) {
  RecordingWnd host, child;
  Open(host);
  ASSERT_TRUE(child.Create(0, 80, 480, 720, host.GetHwnd(), 7, 0));
  ASSERT_EQ(CQzWnd::FromHandle(child.GetParent()), &host);
  // A window sends its host a message synchronously, as the tab windows do.
  host.events.clear();
  EXPECT_EQ(CQzWnd::FromHandle(child.GetParent())->SendMessageW(WM_USER + 1, 5, 0), 0);
  EXPECT_EQ(host.Params("user"), (std::vector<std::pair<WPARAM, LPARAM>>{{WM_USER + 1, 5}}));
}

TEST_F(WindowTest, MovingAWindowMovesItsWholeTree) {
  RecordingWnd host, child, grandchild;
  Open(host);
  ASSERT_TRUE(child.Create(10, 20, 200, 200, host.GetHwnd(), 7, WS_CHILD));
  ASSERT_TRUE(grandchild.Create(5, 5, 50, 50, child.GetHwnd(), 8, WS_CHILD));
  host.MoveWindow(0, 100, 480, 700);
  EXPECT_EQ(EdgesOf(child.GetWindowRect()), (Edges{10, 120, 210, 320}));
  EXPECT_EQ(EdgesOf(grandchild.GetWindowRect()), (Edges{15, 125, 65, 175}));
}

// Ends with 1 when its button is tapped, with 2 on a tap anywhere else.
class DialogWnd : public RecordingWnd {
 public:
  BOOL OnInitDialog() override {
    if (!RecordingWnd::OnInitDialog()) return FALSE;
    ok.SetID(2);
    ok.SetPos(0, 600, 480, 120);
    AddUiWin(&ok);
    return TRUE;
  }
  LRESULT OnQzCommand(WPARAM w, LPARAM l) override {
    if (LOWORD(w) == 2) EndModal(1);
    return RecordingWnd::OnQzCommand(w, l);
  }
  LRESULT OnLButtonUp(UINT f, int x, int y) override {
    CQzWndEx::OnLButtonUp(f, x, y);
    if (y < 600) EndModal(2);
    return 0;
  }
  UiButton ok;
};

TEST_F(WindowTest, DoModalReturnsWhatEndModalGotAndNothingWithoutAWindow) {
  RecordingWnd host;
  Open(host);
  for (auto [y, expected] : {std::pair{750, 1}, std::pair{300, 2}}) {
    DialogWnd dlg;
    ASSERT_TRUE(dlg.Create(0, 80, 480, 720, host.GetHwnd(), 0, WS_POPUP));
    dlg.SetAnimateType_Show(1);
    dlg.SetAnimateType_Hide(2);
    dlg.SetAnimateEdge(70, 0, 0, 0);
    robot.WhenModalWaits([&, y = y] { robot.Tap(240, y); });
    EXPECT_EQ(dlg.DoModal(TRUE), expected);
    EXPECT_FALSE(dlg.IsWindowVisible());
  }
  EXPECT_EQ(robot.PendingModalSteps(), 0u);
  EXPECT_EQ(robot.Foreground(), &host);

  // A failed OnInitDialog leaves no window, and DoModal returns at once.
  RecordingWnd wnd;
  wnd.initResult = FALSE;
  EXPECT_FALSE(wnd.Create(0, 80, 480, 720, nullptr, 0, WS_POPUP));
  EXPECT_EQ(wnd.GetHwnd(), nullptr);
  EXPECT_EQ(wnd.DoModal(), 0);  // returns at once instead of waiting forever
  EXPECT_FALSE(wnd.IsWindowVisible());
}

// Paints its left half red, the rest white.
class HalfRedWnd : public RecordingWnd {
 public:
  void PaintWin(HDC hdc, const RECT& rc) override {
    CQzWndEx::PaintWin(hdc, rc);
    FillSolid(hdc, RECT{0, 0, GetWidth() / 2, GetHeight()}, RGB(255, 0, 0));
  }
};

// A bitmap's width and height; zeros for no bitmap.
std::pair<int, int> SizeOf(HBITMAP bitmap) {
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  return {bm.bmWidth, bm.bmHeight};
}

TEST_F(WindowTest, WindowBitmapAndScreenSnapshotHoldTheWindowContent) {
  HalfRedWnd wnd;
  Open(wnd);
  HBITMAP whole = wnd.GetWindowBitmap();
  ASSERT_EQ(SizeOf(whole), std::pair(480, 720));
  EXPECT_EQ(BitmapPixel(whole, 10, 10), 0xFF0000u);
  EXPECT_EQ(BitmapPixel(whole, 470, 700), 0xFFFFFFu);
  RECT right{240, 100, 480, 200};
  HBITMAP part = wnd.GetWindowBitmap(&right);
  ASSERT_EQ(SizeOf(part), std::pair(240, 100));
  EXPECT_EQ(BitmapPixel(part, 0, 0), 0xFFFFFFu);
  // A snapshot of the screen's work area shows the same.
  HBITMAP snap = ScreenSnapshot(QzGetWorkArea());
  ASSERT_EQ(SizeOf(snap), std::pair(480, 720));
  EXPECT_EQ(BitmapPixel(snap, 239, 10), 0xFF0000u);
  EXPECT_EQ(BitmapPixel(snap, 240, 10), 0xFFFFFFu);
  for (HBITMAP bitmap : {whole, part, snap}) DeleteObject(bitmap);
}

TEST_F(WindowTest, TitleShowsInTheShellBarOfTheForegroundWindow) {
  RecordingWnd wnd;
  Open(wnd);
  robot.Settle();
  ASSERT_FALSE(Screen::Get().NeedsPaint());
  wnd.SetWindowText(L"Recent calls");
  EXPECT_TRUE(Screen::Get().NeedsPaint());  // the bar repaints with the title
}

// Writes the 12-byte subscription record the way the library does.
bool Subscribe(HWND hwnd, uint32_t event) {
  MSGQUEUEOPTIONS options{20, MSGQUEUE_ALLOW_BROKEN, 16, 12, FALSE};
  HANDLE q = CreateMsgQueue(L"QueueNameOfShellNotifyMessage", &options);
  if (!q) return false;
  uint32_t record[3] = {1, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hwnd)), event};
  BOOL ok = WriteMsgQueue(q, record, sizeof record, 0, 0);
  CloseMsgQueue(q);
  return ok;
}

class SubscribingWnd : public RecordingWnd {
 public:
  explicit SubscribingWnd(std::vector<uint32_t> events) : events_(std::move(events)) {}
  BOOL OnInitDialog() override {
    for (uint32_t e : events_) EXPECT_TRUE(Subscribe(GetHwnd(), e));
    return RecordingWnd::OnInitDialog();
  }
  std::vector<uint32_t> events_;
};

TEST_F(WindowTest, TaskbarTapsAndTheMKeyReachTheirSubscribers) {
  SubscribingWnd both({2, 1}), mkeyOnly({1}), none({});
  both.registered = mkeyOnly.registered = none.registered = RegisterWindowMessageW(L"ShellNotifyMsg/ClickTaskbar");
  Open(both);
  Open(mkeyOnly);
  Open(none);
  auto heard = [&] {
    return std::vector<size_t>{both.Params("registered").size(), mkeyOnly.Params("registered").size(),
                               none.Params("registered").size()};
  };
  robot.TapShellBar();
  EXPECT_EQ(heard(), (std::vector<size_t>{1, 0, 0}));

  both.registered = mkeyOnly.registered = none.registered = RegisterWindowMessageW(L"ShellNotifyMsg/ClickMKey");
  robot.PressMKey();
  robot.PressMKey();
  EXPECT_EQ(heard(), (std::vector<size_t>{3, 2, 0}));

  // Many windows subscribing never fill the queue.
  std::vector<std::unique_ptr<SubscribingWnd>> windows;
  for (int i = 0; i < 40; ++i) {
    windows.push_back(std::make_unique<SubscribingWnd>(std::vector<uint32_t>{1}));
    Open(*windows.back());
  }
  windows.back()->registered = both.registered;
  robot.PressMKey();
  EXPECT_EQ(windows.back()->Params("registered").size(), 1u);
  EXPECT_EQ(heard(), (std::vector<size_t>{4, 3, 0}));
}

}  // namespace
}  // namespace qzfc::test
