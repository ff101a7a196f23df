// Window handles and message delivery. Windows of this process live in a
// table in memory; top-level windows with a class name are also published in
// the run folder's window directory so that other processes can find them
// and post to them through this process's message socket.
#include "ce/window_registry.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ce/device.h"
#include "ce/lasterror.h"
#include "ce/wstring.h"
#include "message_endpoint.h"
#include "run_files.h"
#include "window_directory.h"

namespace ce {
namespace {

// Handles start above 0xFFFF, clear of the special values (HWND_BROADCAST is
// 0xFFFF), and are handed to processes in blocks from a shared counter file.
constexpr uint32_t kFirstHandle = 0x00010000;
constexpr uint32_t kLastHandle = 0xFFFF0000;
constexpr uint32_t kHandleBlock = 64;
// Used when the root's counter cannot be reached (an unwritable root): the
// handles are then unique within this process only, which is all such a
// process can use anyway since it cannot publish its windows either.
constexpr uint32_t kFirstPrivateHandle = 0xFFFF0001;

struct LocalWindow {
  std::wstring className;
  WindowScope scope;
  void* owner;
  bool published;
};

struct Registry {
  std::mutex mutex;
  WindowHooks hooks;
  std::map<uint32_t, LocalWindow> windows;
  uint32_t nextHandle = 0;
  uint32_t blockEnd = 0;
  uint32_t nextPrivate = kFirstPrivateHandle;
  internal::MessageEndpoint endpoint;
  bool exitHookInstalled = false;
};

// Never destroyed: other static destructors and the exit handler may still
// reach it.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

uint32_t ToValue(HWND hwnd) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hwnd)); }
HWND ToHandle(uint32_t value) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(value)); }

bool FitsHandle(HWND hwnd) { return reinterpret_cast<uintptr_t>(hwnd) <= UINT32_MAX && hwnd != nullptr; }

// Reserves the next block of handles from <root>/run/handles.
bool ReserveHandleBlock(Registry& r) {
  std::filesystem::path dir = internal::RunDir();
  if (dir.empty()) return false;
  internal::UniqueFd fd(::open((dir / "handles").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (!fd.valid()) return false;
  internal::FileLock lock(fd.get());
  if (!lock.locked()) return false;
  auto content = internal::ReadSmallFile(fd.get(), 64);
  if (!content) return false;
  uint32_t next = 0;
  std::from_chars(content->data(), content->data() + content->size(), next);
  if (next < kFirstHandle || next > kLastHandle) next = kFirstHandle;
  std::string updated = std::to_string(next + kHandleBlock) + "\n";
  if (::ftruncate(fd.get(), 0) != 0 || ::lseek(fd.get(), 0, SEEK_SET) != 0 || !internal::WriteAll(fd.get(), updated))
    return false;
  r.nextHandle = next;
  r.blockEnd = next + kHandleBlock;
  return true;
}

void WithdrawAllLocked(Registry& r) {
  for (auto& [handle, window] : r.windows)
    if (window.published) internal::WithdrawWindow(handle);
  r.endpoint.Close();
}

void WithdrawAtExit() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  WithdrawAllLocked(r);
}

// A new root has its own counter, directory and sockets: forget the old ones.
void ResetForNewRoot() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  WithdrawAllLocked(r);
  r.windows.clear();
  r.nextHandle = r.blockEnd = 0;
  r.nextPrivate = kFirstPrivateHandle;
}

void InstallRootHook() {
  static std::once_flag once;
  std::call_once(once, [] { OnDeviceRootReset(ResetForNewRoot); });
}

bool PublishLocked(Registry& r, uint32_t handle, const std::wstring& className) {
  if (!r.endpoint.Open()) return false;
  if (!r.exitHookInstalled) {
    std::atexit(WithdrawAtExit);
    r.exitHookInstalled = true;
  }
  return internal::PublishWindow({handle, ::getpid(), r.endpoint.name(), className});
}

// Local top-level windows of a class, newest first.
std::vector<uint32_t> LocalMatches(Registry& r, std::wstring_view className) {
  std::wstring wanted = FoldCase(className);
  std::vector<uint32_t> found;
  for (auto it = r.windows.rbegin(); it != r.windows.rend(); ++it)
    if (it->second.scope == WindowScope::TopLevel && FoldCase(it->second.className) == wanted)
      found.push_back(it->first);
  return found;
}

// The hooks that reach a window of this process; nullopt for any other window.
std::optional<WindowHooks> LocalHooks(HWND hwnd) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  if (r.windows.count(ToValue(hwnd)) == 0) return std::nullopt;
  return r.hooks;
}

std::wstring LocalTitle(const WindowHooks& hooks, HWND hwnd) {
  if (!hooks.send) return {};
  LRESULT length = hooks.send(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0 || length > 65536) return {};
  std::wstring title(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = hooks.send(hwnd, WM_GETTEXT, title.size(), reinterpret_cast<LPARAM>(title.data()));
  title.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return title;
}

}  // namespace

void SetWindowHooks(WindowHooks hooks) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  r.hooks = std::move(hooks);
}

HWND RegisterWindow(const wchar_t* className, WindowScope scope, void* owner) {
  InstallRootHook();
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  uint32_t handle;
  if (r.nextHandle != r.blockEnd || ReserveHandleBlock(r)) {
    handle = r.nextHandle++;
  } else if (r.nextPrivate != 0) {
    handle = r.nextPrivate++;
  } else {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  LocalWindow window{className ? className : L"", scope, owner, false};
  if (scope == WindowScope::TopLevel) {
    // The socket exists from the first top-level window on, so the loop can
    // watch ForeignMessageFd() for the life of the process.
    r.endpoint.Open();
    if (!window.className.empty()) window.published = PublishLocked(r, handle, window.className);
  }
  r.windows.emplace(handle, std::move(window));
  return ToHandle(handle);
}

void UnregisterWindow(HWND hwnd) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  if (!FitsHandle(hwnd)) return;
  auto it = r.windows.find(ToValue(hwnd));
  if (it == r.windows.end()) return;
  if (it->second.published) internal::WithdrawWindow(it->first);
  r.windows.erase(it);
}

void* WindowOwner(HWND hwnd) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  if (!FitsHandle(hwnd)) return nullptr;
  auto it = r.windows.find(ToValue(hwnd));
  return it == r.windows.end() ? nullptr : it->second.owner;
}

bool IsLocalWindow(HWND hwnd) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  return FitsHandle(hwnd) && r.windows.count(ToValue(hwnd)) != 0;
}

int ForeignMessageFd() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  return r.endpoint.fd();
}

void PumpForeignMessages() {
  Registry& r = TheRegistry();
  std::vector<internal::WireMessage> messages;
  WindowHooks hooks;
  {
    std::lock_guard lock(r.mutex);
    messages = r.endpoint.Drain();
    hooks = r.hooks;
  }
  if (!hooks.post) return;
  for (const auto& message : messages) {
    HWND hwnd = ToHandle(message.hwnd);
    // Only windows this process published accept messages from outside.
    bool accepted;
    {
      std::lock_guard lock(r.mutex);
      auto it = r.windows.find(message.hwnd);
      accepted = it != r.windows.end() && it->second.scope == WindowScope::TopLevel;
    }
    if (accepted) hooks.post(hwnd, message.message, static_cast<WPARAM>(message.wParam), static_cast<LPARAM>(message.lParam));
  }
}

}  // namespace ce

using ce::TheRegistry;

HWND FindWindowW(LPCWSTR className, LPCWSTR windowName) {
  if (!className || !*className) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  ce::Registry& r = TheRegistry();
  std::vector<uint32_t> local;
  ce::WindowHooks hooks;
  std::string ownSocket;
  {
    std::lock_guard lock(r.mutex);
    local = ce::LocalMatches(r, className);
    hooks = r.hooks;
    ownSocket = r.endpoint.name();
  }
  for (uint32_t handle : local) {
    if (!windowName || ce::LocalTitle(hooks, ce::ToHandle(handle)) == windowName) return ce::ToHandle(handle);
  }
  // Titles of other processes' windows are not known here; a search by
  // title finds only this process's windows.
  if (!windowName) {
    if (auto foreign = ce::internal::FindPublishedWindow(className, ownSocket)) return ce::ToHandle(foreign->handle);
  }
  SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
  return nullptr;
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!ce::FitsHandle(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (auto hooks = ce::LocalHooks(hwnd)) {
    if (hooks->post && hooks->post(hwnd, msg, wParam, lParam)) return TRUE;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  auto foreign = ce::internal::LookupPublishedWindow(ce::ToValue(hwnd));
  if (!foreign) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  ce::internal::WireMessage message{ce::internal::kWireMagic, ce::ToValue(hwnd), msg, static_cast<uint32_t>(::getpid()),
                                    static_cast<uint64_t>(wParam), static_cast<int64_t>(lParam)};
  switch (ce::internal::SendWireMessage(foreign->socketName, message)) {
    case ce::internal::SendResult::Sent:
      return TRUE;
    case ce::internal::SendResult::Busy:
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return FALSE;
    case ce::internal::SendResult::NoReceiver:
      ce::internal::ForgetDeadWindow(*foreign);
      break;
  }
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return FALSE;
}

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!ce::FitsHandle(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (auto hooks = ce::LocalHooks(hwnd)) return hooks->send ? hooks->send(hwnd, msg, wParam, lParam) : 0;
  PostMessageW(hwnd, msg, wParam, lParam);
  return 0;
}

BOOL IsWindow(HWND hwnd) {
  if (!ce::FitsHandle(hwnd)) return FALSE;
  if (ce::IsLocalWindow(hwnd)) return TRUE;
  return ce::internal::LookupPublishedWindow(ce::ToValue(hwnd)).has_value() ? TRUE : FALSE;
}
