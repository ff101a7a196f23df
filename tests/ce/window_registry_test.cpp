#include "ce/window_registry.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "ce/device.h"
#include "ce/lasterror.h"
#include "peer_process.h"
#include "temp_root.h"
#include "test_helpers.h"

namespace {

using vorna::test::FailedWith;

struct Delivered {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

// Stands in for the toolkit: records posted messages, answers sent ones.
class WindowRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ce::SetWindowHooks({[this](HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
                          if (!ce::IsLocalWindow(hwnd)) return false;
                          posted.push_back({hwnd, msg, w, l});
                          return true;
                        },
                        [this](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                          if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(title.size());
                          if (msg == WM_GETTEXT) {
                            auto* out = reinterpret_cast<wchar_t*>(l);
                            size_t n = std::min<size_t>(w - 1, title.size());
                            title.copy(out, n);
                            out[n] = 0;
                            return static_cast<LRESULT>(n);
                          }
                          return static_cast<LRESULT>(msg + w);
                        }});
  }
  void TearDown() override { ce::SetWindowHooks({}); }

  // Pumps foreign messages until WM_CLOSE arrives.
  void PumpUntilClose() {
    for (;;) {
      pollfd fd{ce::ForeignMessageFd(), POLLIN, 0};
      ASSERT_GT(poll(&fd, 1, 10000), 0) << "no message from the peer";
      ce::PumpForeignMessages();
      if (!posted.empty() && posted.back().msg == WM_CLOSE) return;
    }
  }

  vorna::test::TempDeviceRoot root;
  std::vector<Delivered> posted;
  std::wstring title = L"Main";
};

TEST_F(WindowRegistryTest, HandlesAreDistinctNonZeroAndFit32BitsEvenUnderAnUnwritableRoot) {
  std::set<uintptr_t> seen;
  std::vector<HWND> handles;
  for (int i = 0; i < 200; ++i) {
    HWND hwnd = ce::RegisterWindow(L"Child", ce::WindowScope::Child, &seen);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_LE(reinterpret_cast<uintptr_t>(hwnd), 0xFFFFFFFFu);
    EXPECT_GT(reinterpret_cast<uintptr_t>(hwnd), 0xFFFFu) << "clear of HWND_BROADCAST and friends";
    EXPECT_TRUE(seen.insert(reinterpret_cast<uintptr_t>(hwnd)).second);
    handles.push_back(hwnd);
  }
  EXPECT_EQ(ce::WindowOwner(handles[0]), &seen);
  for (HWND hwnd : handles) ce::UnregisterWindow(hwnd);
  EXPECT_FALSE(IsWindow(handles[0]));
  EXPECT_EQ(ce::WindowOwner(handles[0]), nullptr);

  auto file = root.path() / "not-a-folder";
  std::ofstream(file) << "x";
  ce::SetDeviceRoot(file);
  HWND a = ce::RegisterWindow(L"Main", ce::WindowScope::TopLevel, nullptr);
  HWND b = ce::RegisterWindow(L"Main", ce::WindowScope::Child, nullptr);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  EXPECT_TRUE(PostMessageW(a, WM_USER, 0, 0));
  EXPECT_EQ(FindWindowW(L"Main", nullptr), a);
  ce::UnregisterWindow(a);
  ce::UnregisterWindow(b);
}

TEST_F(WindowRegistryTest, RegisteredMessagesAreStableAndSharedWithOtherProcesses) {
  UINT click = RegisterWindowMessageW(L"ShellNotifyMsg/ClickMKey");
  UINT taskbar = RegisterWindowMessageW(L"ShellNotifyMsg/ClickTaskbar");
  EXPECT_GE(click, 0xC000u);
  EXPECT_LE(click, 0xFFFFu);
  EXPECT_NE(click, taskbar);
  EXPECT_EQ(RegisterWindowMessageW(L"shellnotifymsg/clickmkey"), click) << "names compare without case";

  vorna::test::PeerProcess peer("ce_ipc_peer", {"message", "ShellNotifyMsg/ClickTaskbar"});
  EXPECT_EQ(peer.ReadLine(), std::to_string(taskbar));
  EXPECT_EQ(peer.Wait(), 0);
  // A name first registered by another process is seen here too.
  vorna::test::PeerProcess first("ce_ipc_peer", {"message", "PalBroadcastNotifyMsgName"});
  std::string theirs = first.ReadLine();
  first.Wait();
  EXPECT_EQ(std::to_string(RegisterWindowMessageW(L"PalBroadcastNotifyMsgName")), theirs);

  EXPECT_EQ(RegisterWindowMessageW(nullptr), 0u);
  EXPECT_EQ(RegisterWindowMessageW(L""), 0u);
  EXPECT_TRUE(FailedWith(RegisterWindowMessageW(std::wstring(256, L'x').c_str()), ERROR_INVALID_PARAMETER));
  EXPECT_NE(RegisterWindowMessageW(std::wstring(255, L'x').c_str()), 0u);
  EXPECT_NE(RegisterWindowMessageW(L"a\tname\nwith\\breaks"), RegisterWindowMessageW(L"a\tname\nwith"));
}

TEST_F(WindowRegistryTest, ALineCutShortByACrashNeverSharesAnId) {
  std::filesystem::create_directories(root.path() / "run");
  std::ofstream(root.path() / "run" / "window-messages.txt") << "c000\tFirst\nc001\tPartialNa";
  EXPECT_EQ(RegisterWindowMessageW(L"first"), 0xC000u);
  UINT next = RegisterWindowMessageW(L"Next");
  EXPECT_EQ(next, 0xC001u);
  EXPECT_NE(RegisterWindowMessageW(L"PartialNa"), next);
  EXPECT_EQ(RegisterWindowMessageW(L"\xD800"), 0u) << "a lone surrogate is no name";
}

TEST_F(WindowRegistryTest, FindsTopLevelWindowsByClassAndTitleAndPostsLocallyThroughTheHooks) {
  HWND child = ce::RegisterWindow(L"CTelhubWnd", ce::WindowScope::Child, nullptr);
  EXPECT_EQ(FindWindowW(L"CTelhubWnd", nullptr), nullptr) << "child windows are not found";
  HWND host = ce::RegisterWindow(L"CTelhubWnd", ce::WindowScope::TopLevel, nullptr);
  EXPECT_EQ(FindWindowW(L"ctelhubwnd", nullptr), host);
  EXPECT_EQ(FindWindowW(L"CTelhubWnd", L"Main"), host);
  EXPECT_EQ(FindWindowW(L"CTelhubWnd", L"Other"), nullptr);
  EXPECT_EQ(FindWindowW(nullptr, nullptr), nullptr);
  EXPECT_EQ(FindWindowW(L"", nullptr), nullptr);
  ce::UnregisterWindow(host);
  EXPECT_EQ(FindWindowW(L"CTelhubWnd", nullptr), nullptr);
  ce::UnregisterWindow(child);

  HWND hwnd = ce::RegisterWindow(L"Local", ce::WindowScope::TopLevel, nullptr);
  EXPECT_TRUE(PostMessageW(hwnd, WM_USER + 4, 1, 2));
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].msg, static_cast<UINT>(WM_USER + 4));
  EXPECT_EQ(SendMessageW(hwnd, 10, 5, 0), 15);
  EXPECT_TRUE(IsWindow(hwnd));

  HWND unknown = reinterpret_cast<HWND>(uintptr_t{0x7FFF0000});
  EXPECT_TRUE(FailedWith(PostMessageW(unknown, 1, 0, 0), ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(PostMessageW(nullptr, 1, 0, 0));
  EXPECT_EQ(SendMessageW(unknown, 10, 5, 0), 0);
  EXPECT_FALSE(IsWindow(nullptr));
  ce::UnregisterWindow(hwnd);
  EXPECT_FALSE(PostMessageW(hwnd, 1, 0, 0));
}

TEST_F(WindowRegistryTest, PostsArriveInOrderInBothDirectionsBetweenProcesses) {
  vorna::test::PeerProcess peer("ce_ipc_peer", {"serve", "PeerWnd"});
  uintptr_t theirs = std::stoul(peer.ReadLine());
  HWND mine = ce::RegisterWindow(L"MineWnd", ce::WindowScope::TopLevel, nullptr);
  EXPECT_NE(reinterpret_cast<uintptr_t>(mine), theirs) << "handles are unique across processes";

  HWND found = FindWindowW(L"PeerWnd", nullptr);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(found), theirs);
  EXPECT_TRUE(IsWindow(found));
  EXPECT_FALSE(ce::IsLocalWindow(found));
  // More messages than the socket holds at once: the sender waits for the peer to read.
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(PostMessageW(found, WM_USER + 4, i, -i)) << i;
  EXPECT_EQ(SendMessageW(found, WM_CLOSE, 0, 0), 0) << "sent across processes, delivered as a post";
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(peer.ReadLine(), std::to_string(WM_USER + 4) + " " + std::to_string(i) + " " + std::to_string(-i));
  EXPECT_EQ(peer.ReadLine(), std::to_string(WM_CLOSE) + " 0 0");
  EXPECT_EQ(peer.Wait(), 0);

  EXPECT_FALSE(IsWindow(found));
  EXPECT_EQ(FindWindowW(L"PeerWnd", nullptr), nullptr);
  EXPECT_FALSE(PostMessageW(found, WM_USER, 0, 0));
  ce::UnregisterWindow(mine);

  // Another process finds this one's window and posts to it.
  vorna::test::PeerProcess early("ce_ipc_peer", {"post", "CTelhubWnd", "0x404", "1"});
  EXPECT_EQ(early.Wait(), 1) << "no window of the class yet";
  HWND host = ce::RegisterWindow(L"CTelhubWnd", ce::WindowScope::TopLevel, nullptr);
  ASSERT_GE(ce::ForeignMessageFd(), 0);
  vorna::test::PeerProcess poster("ce_ipc_peer", {"post", "CTelhubWnd", "0x404", "50"});
  PumpUntilClose();
  EXPECT_EQ(poster.Wait(), 0);
  ASSERT_EQ(posted.size(), 51u);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(posted[i].hwnd, host);
    EXPECT_EQ(posted[i].msg, 0x404u);
    EXPECT_EQ(posted[i].wParam, static_cast<WPARAM>(i));
    EXPECT_EQ(posted[i].lParam, -i);
  }
  ce::UnregisterWindow(host);
}

TEST_F(WindowRegistryTest, WindowsOfDeadProcessesAreIgnoredAndCleaned) {
  vorna::test::PeerProcess peer("ce_ipc_peer", {"vanish", "GhostWnd"});
  HWND ghost = reinterpret_cast<HWND>(std::stoul(peer.ReadLine()));
  EXPECT_EQ(peer.Wait(), 0);
  auto entries = root.path() / "run" / "windows";
  ASSERT_FALSE(std::filesystem::is_empty(entries)) << "the crashed peer left its entry";
  EXPECT_EQ(FindWindowW(L"GhostWnd", nullptr), nullptr);
  EXPECT_FALSE(PostMessageW(ghost, WM_USER, 0, 0));
  EXPECT_FALSE(IsWindow(ghost));
  EXPECT_TRUE(std::filesystem::is_empty(entries));
}

TEST_F(WindowRegistryTest, RootsWithLongPathsStillReachPeers) {
  // Longer than a socket address can hold directly.
  auto deep = root.path() / std::string(120, 'd');
  std::filesystem::create_directories(deep);
  setenv("VORNA_ROOT", deep.c_str(), 1);
  ce::SetDeviceRoot(deep);
  vorna::test::PeerProcess peer("ce_ipc_peer", {"serve", "DeepWnd"});
  peer.ReadLine();
  HWND found = FindWindowW(L"DeepWnd", nullptr);
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(PostMessageW(found, WM_CLOSE, 0, 0));
  EXPECT_EQ(peer.ReadLine(), std::to_string(WM_CLOSE) + " 0 0");
  EXPECT_EQ(peer.Wait(), 0);
}

}  // namespace
