#include <gtest/gtest.h>

#include <algorithm>

#include "peer_process.h"
#include "temp_root.h"
#include "test_helpers.h"
#include "windows.h"

namespace {

using vorna::test::CopyText;
using vorna::test::FailedWith;
using vorna::test::ReadWhole;
using vorna::test::RunCorePeer;

TEST(Memory, BlocksAreFixedSizedAndCheckedOnFree) {
  HLOCAL zeroed = LocalAlloc(LPTR, 64);
  ASSERT_NE(zeroed, nullptr);
  EXPECT_EQ(LocalSize(zeroed), 64u);
  const char* bytes = static_cast<const char*>(zeroed);
  EXPECT_TRUE(std::all_of(bytes, bytes + 64, [](char b) { return b == 0; }));
  EXPECT_EQ(LocalLock(zeroed), zeroed);
  EXPECT_EQ(LocalFree(zeroed), nullptr);
  EXPECT_EQ(LocalSize(zeroed), 0u);
  int notABlock = 0;
  EXPECT_EQ(LocalFree(&notABlock), &notABlock);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(LocalFree(nullptr), nullptr);
  HLOCAL empty = LocalAlloc(LMEM_FIXED, 0);
  EXPECT_NE(empty, nullptr);
  LocalFree(empty);
  EXPECT_TRUE(FailedWith(LocalAlloc(LMEM_FIXED, ce::kMaxLocalBlock + 1), ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_TRUE(FailedWith(LocalAlloc(0x8000, 4), ERROR_INVALID_PARAMETER));
}

TEST(ClipboardTest, CopiedTextIsPublishedForOtherProcesses) {
  vorna::test::TempDeviceRoot root;
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  ASSERT_TRUE(CopyText(L"13800138000 张三"));
  EXPECT_EQ(ReadWhole(root.path() / "clipboard.txt"), "13800138000 张三");
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(RunCorePeer({"clip-check", "13800138000 张三"}), 0);

  ASSERT_EQ(RunCorePeer({"clip-set", "from the peer"}), 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  auto* text = static_cast<const wchar_t*>(GetClipboardData(CF_UNICODETEXT));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::wstring(text), L"from the peer");
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  EXPECT_TRUE(CloseClipboard());

  // An empty text clears the clipboard and puts nothing on it.
  ASSERT_TRUE(CopyText(L""));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(RunCorePeer({"clip-check", ""}), 2);
}

TEST(ClipboardTest, CallsOutsideAnOpenClipboardFailAndUnterminatedTextEndsWithItsBlock) {
  vorna::test::TempDeviceRoot root;
  HLOCAL block = LocalAlloc(LPTR, 8);
  EXPECT_TRUE(FailedWith(SetClipboardData(CF_UNICODETEXT, block), ERROR_CLIPBOARD_NOT_OPEN));
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_FALSE(CloseClipboard());
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
  ASSERT_TRUE(OpenClipboard(nullptr));
  int stack = 0;
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, &stack), nullptr);  // not a LocalAlloc block
  EXPECT_EQ(SetClipboardData(CF_TEXT, block), nullptr);
  EXPECT_TRUE(CloseClipboard());
  LocalFree(block);
  EXPECT_FALSE(std::filesystem::exists(root.path() / "clipboard.txt"));

  ASSERT_TRUE(OpenClipboard(nullptr));
  HLOCAL bare = LocalAlloc(LMEM_FIXED, 2 * sizeof(wchar_t));
  static_cast<wchar_t*>(bare)[0] = L'o';
  static_cast<wchar_t*>(bare)[1] = L'k';
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, bare), bare);
  EXPECT_TRUE(CloseClipboard());
  EXPECT_EQ(ReadWhole(root.path() / "clipboard.txt"), "ok");
}

TEST(ClipboardTest, BusyWhileAnotherProcessHasItOpen) {
  vorna::test::TempDeviceRoot root;
  vorna::test::PeerProcess peer("ce_core_peer", {"clip-hold"});
  ASSERT_EQ(peer.ReadLine(), "open");
  EXPECT_FALSE(OpenClipboard(nullptr));
  EXPECT_FALSE(CopyText(L"lost"));
  EXPECT_EQ(peer.Wait(), 0);
  EXPECT_TRUE(CopyText(L"now"));
  EXPECT_EQ(ReadWhole(root.path() / "clipboard.txt"), "now");
}

}  // namespace
