#include "core/shell/ShellNotify.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "ce/debug.h"
#include "ce/device.h"
#include "ce/msgqueue.h"
#include "ce/window_registry.h"

namespace {

constexpr DWORD kSubscribeRecord = 1;
constexpr DWORD kRecordBytes = 12;

// The write end of the shell's queue and the lock around writing to it.
std::mutex g_queueLock;
HANDLE g_queue = nullptr;

// The queue belongs to one device root: a process that moves to another root
// (tests do) opens the new root's queue on its next subscription.
void ForgetQueue() {
  std::lock_guard lock(g_queueLock);
  if (g_queue) CloseMsgQueue(g_queue);
  g_queue = nullptr;
}

HANDLE OpenQueueLocked() {
  static std::once_flag hookOnce;
  std::call_once(hookOnce, [] { ce::OnDeviceRootReset(ForgetQueue); });
  MSGQUEUEOPTIONS options{};
  options.dwSize = sizeof options;
  options.dwFlags = MSGQUEUE_ALLOW_BROKEN;
  options.dwMaxMessages = 16;
  options.cbMaxMessage = kRecordBytes;
  options.bReadAccess = FALSE;
  HANDLE queue = CreateMsgQueue(L"QueueNameOfShellNotifyMessage", &options);
  if (!queue) NKDbgPrintfW(L"Cannot open Shell Notify message queue!\n");
  return queue;
}

// Three little-endian 32-bit words; a window handle fits 32 bits here.
std::array<unsigned char, kRecordBytes> SubscriptionRecord(HWND window, DWORD event) {
  const uint32_t words[3] = {kSubscribeRecord, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)), event};
  std::array<unsigned char, kRecordBytes> bytes{};
  for (int w = 0; w < 3; ++w) {
    for (int b = 0; b < 4; ++b) bytes[w * 4 + b] = static_cast<unsigned char>(words[w] >> (8 * b));
  }
  return bytes;
}

// Registered message ids belong to a device root too: a process that moves
// to another root (tests do) registers the names again there.
std::atomic<UINT> g_clickMKeyMessage{0};
std::atomic<UINT> g_clickTaskbarMessage{0};

void ForgetMessages() {
  g_clickMKeyMessage.store(0, std::memory_order_relaxed);
  g_clickTaskbarMessage.store(0, std::memory_order_relaxed);
}

UINT RegisteredMessage(std::atomic<UINT>& cache, const wchar_t* name) {
  static std::once_flag hookOnce;
  std::call_once(hookOnce, [] { ce::OnDeviceRootReset(ForgetMessages); });
  UINT id = cache.load(std::memory_order_relaxed);
  if (id) return id;
  id = RegisterWindowMessageW(name);
  if (id) cache.store(id, std::memory_order_relaxed);
  return id;
}

}  // namespace

bool RegisterShellNotify(HWND window, DWORD event) {
  if (!window) return false;
  std::lock_guard lock(g_queueLock);
  if (!g_queue) g_queue = OpenQueueLocked();
  if (!g_queue) return false;
  auto record = SubscriptionRecord(window, event);
  return WriteMsgQueue(g_queue, record.data(), kRecordBytes, 0, 0) != FALSE;
}

UINT GetClickMKeyMessage() {
  return RegisteredMessage(g_clickMKeyMessage, L"ShellNotifyMsg/ClickMKey");
}

UINT GetClickTaskbarMessage() {
  return RegisteredMessage(g_clickTaskbarMessage, L"ShellNotifyMsg/ClickTaskbar");
}
