#include "ce/msgqueue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "ce/handles.h"
#include "ce/utf8.h"
#include "run_files.h"
#include "shared_queue.h"

namespace {

using ce::Fail;
using ce::internal::QueueStatus;
using ce::internal::SharedQueue;

constexpr DWORD kMaxMessageBytes = 65536;
constexpr size_t kDefaultQueueBytes = 1024 * 1024;
constexpr DWORD kMinDefaultMessages = 16;
constexpr size_t kMaxQueueBytes = 16 * 1024 * 1024;

const ce::HandleKind kQueueHandle{"message queue"};

std::shared_ptr<SharedQueue> Find(HANDLE handle) { return ce::FindHandleAs<SharedQueue>(handle, kQueueHandle); }

// The queue's file in the run folder: the UTF-8 name with every byte other
// than letters, digits, '-' and '_' written as %XX, so any name maps to one
// plain file name and different names to different files.
std::optional<std::string> QueueFileName(const std::wstring& name) {
  bool valid = true;
  std::string utf8 = ce::ToUtf8(name, &valid);
  if (!valid) return std::nullopt;
  std::string file = "msgq-";
  for (unsigned char c : utf8) {
    if (std::isalnum(c) || c == '-' || c == '_') {
      file += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      file += escaped;
    }
  }
  // Long names would exceed what a file name may hold; a hash keeps them apart.
  if (file.size() > 200) file = file.substr(0, 180) + "-" + std::to_string(std::hash<std::string>{}(utf8));
  return file;
}

std::optional<ce::internal::QueueLimits> LimitsFrom(const MSGQUEUEOPTIONS& options) {
  if (options.dwSize < sizeof(MSGQUEUEOPTIONS) || options.cbMaxMessage == 0 || options.cbMaxMessage > kMaxMessageBytes)
    return std::nullopt;
  DWORD messages = options.dwMaxMessages;
  if (messages == 0) messages = std::max<DWORD>(kMinDefaultMessages, kDefaultQueueBytes / options.cbMaxMessage);
  if (static_cast<size_t>(messages) * options.cbMaxMessage > kMaxQueueBytes) return std::nullopt;
  return ce::internal::QueueLimits{messages, options.cbMaxMessage, options.dwFlags};
}

BOOL Report(QueueStatus status) {
  switch (status) {
    case QueueStatus::Ok: return TRUE;
    case QueueStatus::Timeout: return Fail(ERROR_TIMEOUT, FALSE);
    case QueueStatus::TooLarge:
    case QueueStatus::BufferTooSmall: return Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    case QueueStatus::Broken: return Fail(ERROR_PIPE_NOT_CONNECTED, FALSE);
    case QueueStatus::Corrupt: break;
  }
  return Fail(ERROR_INVALID_HANDLE, FALSE);
}

}  // namespace

HANDLE CreateMsgQueue(LPCWSTR lpszName, LPMSGQUEUEOPTIONS lpOptions) {
  if (!lpOptions || !lpszName || !*lpszName) return Fail(ERROR_INVALID_PARAMETER, nullptr);
  std::wstring name(lpszName);
  auto limits = LimitsFrom(*lpOptions);
  auto fileName = name.size() <= MAX_PATH ? QueueFileName(name) : std::nullopt;
  std::filesystem::path dir = ce::internal::RunDir();
  if (!limits || !fileName) return Fail(ERROR_INVALID_PARAMETER, nullptr);
  bool existed = false;
  std::unique_ptr<SharedQueue> queue =
      dir.empty() ? nullptr : SharedQueue::Open(dir / *fileName, *limits, lpOptions->bReadAccess != FALSE, &existed);
  if (!queue) return Fail(ERROR_OUTOFMEMORY, nullptr);
  HANDLE handle = ce::OpenHandle(kQueueHandle, std::shared_ptr<SharedQueue>(std::move(queue)));
  if (!handle) return Fail(ERROR_TOO_MANY_OPEN_FILES, nullptr);
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL WriteMsgQueue(HANDLE hMsgQ, LPVOID lpBuffer, DWORD cbDataSize, DWORD dwTimeout, DWORD dwFlags) {
  auto queue = Find(hMsgQ);
  if (!queue) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (queue->readEnd()) return Fail(ERROR_ACCESS_DENIED, FALSE);
  if (!lpBuffer && cbDataSize) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  return Report(queue->Write(lpBuffer, cbDataSize, dwFlags, dwTimeout));
}

BOOL ReadMsgQueue(HANDLE hMsgQ, LPVOID lpBuffer, DWORD cbBufferSize, LPDWORD lpNumberOfBytesRead, DWORD dwTimeout,
                  DWORD* pdwFlags) {
  auto queue = Find(hMsgQ);
  if (!queue) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (!queue->readEnd()) return Fail(ERROR_ACCESS_DENIED, FALSE);
  if (!lpNumberOfBytesRead) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  uint32_t size = 0;
  uint32_t flags = 0;
  QueueStatus status = queue->Read(lpBuffer, lpBuffer ? cbBufferSize : 0, &size, &flags, dwTimeout);
  if (status == QueueStatus::Ok) {
    *lpNumberOfBytesRead = size;
    if (pdwFlags) *pdwFlags = flags;
  }
  return Report(status);
}

BOOL GetMsgQueueInfo(HANDLE hMsgQ, LPMSGQUEUEINFO lpInfo) {
  auto queue = Find(hMsgQ);
  if (!queue) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (!lpInfo || lpInfo->dwSize < sizeof(MSGQUEUEINFO)) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  ce::internal::QueueInfo info = queue->Info();
  lpInfo->dwFlags = info.limits.flags;
  lpInfo->dwMaxMessages = info.limits.maxMessages;
  lpInfo->cbMaxMessage = info.limits.maxMessageBytes;
  lpInfo->dwCurrentMessages = info.current;
  lpInfo->dwMaxQueueMessages = info.peak;
  lpInfo->wNumReaders = static_cast<WORD>(std::min<uint32_t>(info.readers, 0xFFFF));
  lpInfo->wNumWriters = static_cast<WORD>(std::min<uint32_t>(info.writers, 0xFFFF));
  return TRUE;
}

BOOL CloseMsgQueue(HANDLE hMsgQ) {
  // A thread still waiting on the queue keeps it open until its call returns.
  return ce::CloseHandleOfKind(hMsgQ, kQueueHandle) ? TRUE : Fail(ERROR_INVALID_HANDLE, FALSE);
}
