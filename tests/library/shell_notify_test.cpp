// Subscriptions reach the shell's queue as 12-byte records, and the shell's
// answers come as the messages of its registered names.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "ce/msgqueue.h"
#include "ce/window_registry.h"
#include "core/shell/ShellNotify.h"
#include "temp_root.h"

namespace {

// The shell's end of the queue.
HANDLE OpenShellReadEnd() {
  MSGQUEUEOPTIONS options{sizeof(MSGQUEUEOPTIONS), MSGQUEUE_ALLOW_BROKEN, 16, 12, TRUE};
  return CreateMsgQueue(L"QueueNameOfShellNotifyMessage", &options);
}

std::array<unsigned char, 12> ReadRecord(HANDLE queue) {
  std::array<unsigned char, 12> record{};
  DWORD read = 0, flags = 0;
  EXPECT_TRUE(ReadMsgQueue(queue, record.data(), 16, &read, 0, &flags));
  EXPECT_EQ(read, 12u);
  return record;
}

HWND Window(uintptr_t value) { return reinterpret_cast<HWND>(value); }

TEST(ShellNotify, RecordsAreKindWindowEventLittleEndian) {
  vorna::test::TempDeviceRoot root;
  EXPECT_FALSE(RegisterShellNotify(nullptr, SHELL_NOTIFY_CLICK_MKEY));
  HANDLE shell = OpenShellReadEnd();
  ASSERT_NE(shell, nullptr);
  MSGQUEUEINFO info{};
  info.dwSize = sizeof info;
  ASSERT_TRUE(GetMsgQueueInfo(shell, &info));
  EXPECT_EQ(info.wNumWriters, 0) << "a null window opened the queue for writing";
  EXPECT_EQ(info.dwCurrentMessages, 0u);


  EXPECT_TRUE(RegisterShellNotify(Window(0x00012345), SHELL_NOTIFY_CLICK_MKEY));
  EXPECT_TRUE(RegisterShellNotify(Window(0x7F000102), SHELL_NOTIFY_CLICK_TASKBAR));
  EXPECT_EQ(ReadRecord(shell), (std::array<unsigned char, 12>{1, 0, 0, 0, 0x45, 0x23, 0x01, 0, 1, 0, 0, 0}));
  EXPECT_EQ(ReadRecord(shell), (std::array<unsigned char, 12>{1, 0, 0, 0, 0x02, 0x01, 0x00, 0x7F, 2, 0, 0, 0}));
  CloseMsgQueue(shell);
  const UINT firstRootMKey = GetClickMKeyMessage();

  // A subscription made under another device root reaches that root's shell,
  // and the messages are that root's (ids are given out per root).
  vorna::test::TempDeviceRoot other;
  ASSERT_EQ(RegisterWindowMessageW(L"ShellNotifyTest/TakesTheFirstId"), firstRootMKey);
  shell = OpenShellReadEnd();
  ASSERT_NE(shell, nullptr);
  EXPECT_TRUE(RegisterShellNotify(Window(0x10), SHELL_NOTIFY_CLICK_MKEY));
  EXPECT_EQ(ReadRecord(shell)[4], 0x10);
  CloseMsgQueue(shell);
  // The messages the shell bar sends back, by their registered names.
  EXPECT_EQ(GetClickMKeyMessage(), RegisterWindowMessageW(L"ShellNotifyMsg/ClickMKey"));
  EXPECT_EQ(GetClickTaskbarMessage(), RegisterWindowMessageW(L"ShellNotifyMsg/ClickTaskbar"));
}

}  // namespace
