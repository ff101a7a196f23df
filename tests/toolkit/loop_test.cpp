// The message loop: order, posts from another process, nesting, modal
// results, quitting and timers on the virtual clock.
#include <gtest/gtest.h>

#include "qzfc/Clock.h"
#include "qzfc/MessageLoop.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

using Params = std::vector<std::pair<WPARAM, LPARAM>>;

// The window the messages are sent to, open and with nothing recorded yet.
class ListeningWnd : public RecordingWnd {
 public:
  LPCWSTR GetQzClassName() override { return L"ForeignListener"; }
};

class LoopTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Open(wnd);
    wnd.events.clear();
  }
  ListeningWnd wnd;
};

TEST_F(LoopTest, PostedMessagesArriveInOrderAfterSentOnes) {
  wnd.PostMessageW(WM_USER + 1, 0, 1);
  wnd.PostMessageW(WM_USER + 2, 0, 2);
  wnd.SendMessageW(WM_USER + 3, 0, 3);  // delivered at once
  robot.Settle();
  EXPECT_EQ(wnd.Params("user"), (Params{{WM_USER + 3, 0}, {WM_USER + 1, 0}, {WM_USER + 2, 0}}));
}

TEST_F(LoopTest, PostsFromASecondProcessArriveInOrder) {
  auto peer = vorna::test::BuiltProgramsDir() / "ce_ipc_peer";
  ASSERT_EQ(vorna::test::RunProgram(peer, {"post", "ForeignListener", "0x404", "5"}), 0);
  // The messages wait in the socket; the loop takes them in when it looks.
  for (int i = 0; i < 50 && wnd.events.size() < 5; ++i) robot.WaitForForeignMessage(100);
  EXPECT_EQ(wnd.Params("user"), (Params{{0x404, 0}, {0x404, 1}, {0x404, 2}, {0x404, 3}, {0x404, 4}}));
  EXPECT_EQ(vorna::test::RunProgram(peer, {"post", "NoSuchWindow", "0x404", "1"}), 1);
}

TEST_F(LoopTest, DestroyedWindowsTakeNoMessagesOrTimers) {
  HWND h = wnd.GetHwnd();
  wnd.DestroyWindow();
  EXPECT_FALSE(PostMessageW(h, WM_USER, 0, 0));
  EXPECT_EQ(CQzWnd::FromHandle(h), nullptr);
  EXPECT_EQ(::SetTimer(h, 1, 10, nullptr), 0u);
  // Deleted with a timer running: nothing fires into the freed window (the
  // sanitizer run checks).
  auto* deleted = new RecordingWnd;
  Open(*deleted);
  ::SetTimer(deleted->GetHwnd(), 1, 10, nullptr);
  delete deleted;
  robot.Advance(100);
}

// A modal window that ends itself when it receives WM_USER + wParam.
class ClosingWnd : public RecordingWnd {
 public:
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == WM_USER + 9) EndModal(static_cast<int>(w));
    return RecordingWnd::QzDefWndProc(msg, w, l);
  }
};

TEST_F(LoopTest, NestedModalLoopsReturnTheirOwnResults) {
  ClosingWnd outer, inner;
  RECT wa = QzGetWorkArea();
  ASSERT_TRUE(outer.Create(wa.left, wa.top, 480, 720, wnd.GetHwnd(), 0, WS_POPUP));
  ASSERT_TRUE(inner.Create(wa.left, wa.top, 480, 720, outer.GetHwnd(), 0, WS_POPUP));

  int innerResult = -99;
  // Inside the outer loop: open the inner one, which a posted message ends with 2.
  robot.WhenModalWaits([&] {
    inner.PostMessageW(WM_USER + 9, 2, 0);
    innerResult = inner.DoModal(FALSE);
    outer.PostMessageW(WM_USER + 9, 1, 0);
  });
  int outerResult = outer.DoModal(FALSE);
  EXPECT_EQ(innerResult, 2);
  EXPECT_EQ(outerResult, 1);
  EXPECT_FALSE(outer.IsWindowVisible());
  EXPECT_EQ(robot.Foreground(), &wnd);
  EXPECT_EQ(MessageLoop::Get().Depth(), 0);
}

TEST_F(LoopTest, ModalWithoutInputReportsAStallAndQuitEndsItReachingTheOuterLoop) {
  RecordingWnd modal;
  RECT wa = QzGetWorkArea();
  ASSERT_TRUE(modal.Create(wa.left, wa.top, 480, 720, nullptr, 0, WS_POPUP));
  std::string reported;
  robot.SetFailureReporter([&](const std::string& what) { reported = what; });
  EXPECT_EQ(modal.DoModal(FALSE), 0);
  EXPECT_NE(reported.find("RecordingWnd"), std::string::npos) << reported;

  robot.SetFailureReporter([](const std::string& what) { ADD_FAILURE() << what; });
  robot.WhenModalWaits([] { PostQuitMessage(7); });
  modal.DoModal(FALSE);
  EXPECT_TRUE(MessageLoop::Get().QuitRequested());
  EXPECT_EQ(MessageLoop::Get().Run(), 7);
}

// Kills its timer, and restarts it once with another period, from the handler.
class SelfTimerWnd : public RecordingWnd {
 public:
  LRESULT OnTimer(UINT_PTR id) override {
    times.push_back(Clock::Now());
    if (times.size() == 1) ::SetTimer(GetHwnd(), id, 50, nullptr);
    if (times.size() == 3) ::KillTimer(GetHwnd(), id);
    return 0;
  }
  std::vector<DWORD> times;
};

TEST_F(LoopTest, TimersFireInDueOrderAndHandlersMayRestartOrKillThem) {
  ::SetTimer(wnd.GetHwnd(), 1, 300, nullptr);
  ::SetTimer(wnd.GetHwnd(), 2, 100, nullptr);
  robot.Advance(99);
  EXPECT_TRUE(wnd.events.empty());
  robot.Advance(1);
  robot.Advance(250);  // now 350: timer 2 at 100, 200, 300; timer 1 at 300
  // At 300, timer 1 was set first.
  EXPECT_EQ(wnd.Params("timer"), (Params{{2, 0}, {2, 0}, {1, 0}, {2, 0}}));
  EXPECT_TRUE(::KillTimer(wnd.GetHwnd(), 2));
  EXPECT_FALSE(::KillTimer(wnd.GetHwnd(), 2));
  wnd.events.clear();
  robot.Advance(1000);
  EXPECT_EQ(wnd.events.size(), 3u);  // only timer 1, every 300 ms

  SelfTimerWnd self;
  Open(self);
  DWORD start = Clock::Now();
  ::SetTimer(self.GetHwnd(), 5, 200, nullptr);
  robot.Advance(1000);
  for (DWORD& t : self.times) t -= start;
  EXPECT_EQ(self.times, (std::vector<DWORD>{200, 250, 300}));

  // A callback without a function starts nothing, so the loop stays idle.
  ASSERT_EQ(MessageLoop::Get().StartCallback(10, {}), 0u);
  robot.Advance(100);
  EXPECT_EQ(self.times.size(), 3u);
}

}  // namespace
}  // namespace qzfc::test
