// The shell: subscriptions read from the shell's named queue, taskbar taps
// and the M key.
#include <gtest/gtest.h>

#include "ce/msgqueue.h"
#include "window_fixture.h"

namespace qzfc::test {
namespace {

using ShellTest = ToolkitTest;

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

TEST_F(ShellTest, TaskbarTapsAndTheMKeyReachTheirSubscribers) {
  SubscribingWnd both({2, 1}), mkeyOnly({1}), none({});
  both.registered = mkeyOnly.registered = none.registered = RegisterWindowMessageW(L"ShellNotifyMsg/ClickTaskbar");
  Open(both);
  Open(mkeyOnly);
  Open(none);
  robot.TapShellBar();
  EXPECT_EQ(both.Params("registered").size(), 1u);
  EXPECT_EQ(mkeyOnly.Params("registered").size(), 0u);
  EXPECT_EQ(none.Params("registered").size(), 0u);

  both.registered = mkeyOnly.registered = none.registered = RegisterWindowMessageW(L"ShellNotifyMsg/ClickMKey");
  robot.PressMKey();
  robot.PressMKey();
  EXPECT_EQ(both.Params("registered").size(), 3u);
  EXPECT_EQ(mkeyOnly.Params("registered").size(), 2u);
  EXPECT_EQ(none.Params("registered").size(), 0u);
}

TEST_F(ShellTest, ManyWindowsSubscribingNeverFillTheQueue) {
  std::vector<std::unique_ptr<SubscribingWnd>> windows;
  for (int i = 0; i < 40; ++i) {
    windows.push_back(std::make_unique<SubscribingWnd>(std::vector<uint32_t>{1}));
    Open(*windows.back());
  }
  windows.back()->registered = RegisterWindowMessageW(L"ShellNotifyMsg/ClickMKey");
  robot.PressMKey();
  EXPECT_EQ(windows.back()->Params("registered").size(), 1u);
}

TEST_F(ShellTest, APressOnTheBarDoesNotReachWindows) {
  SubscribingWnd wnd({});
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

}  // namespace
}  // namespace qzfc::test
