#include "ce/clipboard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "ce/device.h"
#include "ce/utf8.h"
#include "run_files.h"

namespace {

// Text beyond this size in the shared file is treated as no text.
constexpr size_t kMaxClipboardBytes = 16 * 1024 * 1024;

struct Clipboard {
  std::mutex mutex;
  int lockFd = -1;
  std::thread::id opener;
  std::optional<std::wstring> text;  // as loaded at open, then as changed
  bool changed = false;
  HLOCAL given = nullptr;   // the block passed to SetClipboardData
  HLOCAL handed = nullptr;  // the block returned by GetClipboardData
};

Clipboard& State() {
  static auto* clipboard = new Clipboard;  // outlives static destructors
  return *clipboard;
}

std::filesystem::path TextFile() { return ce::DeviceRoot() / "clipboard.txt"; }

std::optional<std::wstring> LoadText() {
  auto bytes = ce::internal::ReadSmallFile(TextFile(), kMaxClipboardBytes);
  if (!bytes) return std::nullopt;
  return ce::FromUtf8(*bytes);
}

// Replaces the shared file in one rename, or removes it for an empty clipboard.
bool Publish(const std::optional<std::wstring>& text) {
  std::filesystem::path target = TextFile();
  if (!text) return unlink(target.c_str()) == 0 || errno == ENOENT;
  return ce::internal::WriteFileAtomically(target, ce::ToUtf8(*text));
}

void Release(HLOCAL& block) {
  LocalFree(block);
  block = nullptr;
}

bool OpenedHere(Clipboard& state) { return state.lockFd >= 0 && state.opener == std::this_thread::get_id(); }

void Drop(Clipboard& state) {
  if (state.lockFd >= 0) close(state.lockFd);
  state.lockFd = -1;
  state.text.reset();
  state.changed = false;
}

void ResetClipboard() {
  Clipboard& state = State();
  std::lock_guard lock(state.mutex);
  Drop(state);
}

}  // namespace

BOOL OpenClipboard(HWND owner) {
  Clipboard& state = State();
  static std::once_flag hooked;
  std::call_once(hooked, [] { ce::OnDeviceRootReset(ResetClipboard); });
  std::lock_guard lock(state.mutex);
  if (OpenedHere(state)) return TRUE;
  if (state.lockFd >= 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  std::error_code ignored;
  std::filesystem::create_directories(ce::DeviceRoot(), ignored);
  int fd = open((ce::DeviceRoot() / "clipboard.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (fd >= 0) close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  state.lockFd = fd;
  state.opener = std::this_thread::get_id();
  state.text = LoadText();
  state.changed = false;
  Release(state.handed);
  return TRUE;
}

BOOL CloseClipboard() {
  Clipboard& state = State();
  std::lock_guard lock(state.mutex);
  if (!OpenedHere(state)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return FALSE;
  }
  bool ok = !state.changed || Publish(state.text);
  Drop(state);
  if (!ok) SetLastError(ERROR_WRITE_FAULT);
  return ok ? TRUE : FALSE;
}

BOOL EmptyClipboard() {
  Clipboard& state = State();
  std::lock_guard lock(state.mutex);
  if (!OpenedHere(state)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return FALSE;
  }
  state.text.reset();
  state.changed = true;
  Release(state.given);
  Release(state.handed);
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  Clipboard& state = State();
  std::lock_guard lock(state.mutex);
  if (!OpenedHere(state)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  if (format != CF_UNICODETEXT) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  SIZE_T size = 0;
  if (!ce::LocalBlockSize(data, size)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // The text ends at its terminator, or at the end of the block if it has none.
  const auto* chars = static_cast<const wchar_t*>(data);
  size_t length = 0;
  while (length < size / sizeof(wchar_t) && chars[length] != 0) ++length;
  state.text = std::wstring(chars, length);
  state.changed = true;
  if (state.given != data) Release(state.given);
  state.given = data;
  return data;
}

HANDLE GetClipboardData(UINT format) {
  Clipboard& state = State();
  std::lock_guard lock(state.mutex);
  if (!OpenedHere(state)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  if (format != CF_UNICODETEXT || !state.text) return nullptr;
  Release(state.handed);
  HLOCAL block = LocalAlloc(LMEM_FIXED, (state.text->size() + 1) * sizeof(wchar_t));
  if (!block) return nullptr;
  std::memcpy(block, state.text->c_str(), (state.text->size() + 1) * sizeof(wchar_t));
  state.handed = block;
  return block;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  if (format != CF_UNICODETEXT) return FALSE;
  Clipboard& state = State();
  std::lock_guard lock(state.mutex);
  if (OpenedHere(state)) return state.text ? TRUE : FALSE;
  struct stat st{};
  return stat(TextFile().c_str(), &st) == 0 && S_ISREG(st.st_mode) ? TRUE : FALSE;
}
