// The second process of the cross-process tests. Each command does one thing
// on the device root named by VORNA_ROOT and prints what it saw, one line at
// a time, for the test to read.
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ce/msgqueue.h"
#include "ce/window_registry.h"

namespace {

std::wstring Wide(const char* text) { return std::wstring(text, text + std::char_traits<char>::length(text)); }

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// message NAME: prints the id registered for NAME.
int RegisterMessage(const char* name) {
  Say(std::to_string(RegisterWindowMessageW(Wide(name).c_str())));
  return 0;
}

// post CLASS MSG COUNT: finds a window of CLASS and posts it COUNT messages
// (wParam 0..COUNT-1, lParam its negative), then WM_CLOSE.
int Post(const char* className, const char* msg, const char* count) {
  HWND hwnd = FindWindowW(Wide(className).c_str(), nullptr);
  if (!hwnd) return 1;
  UINT message = static_cast<UINT>(std::strtoul(msg, nullptr, 0));
  long n = std::strtol(count, nullptr, 10);
  for (long i = 0; i < n; ++i)
    if (!PostMessageW(hwnd, message, static_cast<WPARAM>(i), -i)) return 2;
  return PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 2;
}

// serve CLASS: registers a top-level window of CLASS, prints its handle, then
// prints every message it receives as "msg wParam lParam" until WM_CLOSE.
int Serve(const char* className) {
  bool closed = false;
  ce::SetWindowHooks({[&](HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
                        Say(std::to_string(msg) + " " + std::to_string(wParam) + " " + std::to_string(lParam));
                        if (msg == WM_CLOSE) closed = true;
                        return true;
                      },
                      nullptr});
  HWND hwnd = ce::RegisterWindow(Wide(className).c_str(), ce::WindowScope::TopLevel, nullptr);
  Say(std::to_string(reinterpret_cast<uintptr_t>(hwnd)));
  while (!closed) {
    pollfd fd{ce::ForeignMessageFd(), POLLIN, 0};
    if (poll(&fd, 1, -1) < 0) return 1;
    ce::PumpForeignMessages();
  }
  ce::UnregisterWindow(hwnd);
  return 0;
}

// vanish CLASS: registers a window, prints its handle and dies without
// cleaning up, as a crashed process would.
int Vanish(const char* className) {
  HWND hwnd = ce::RegisterWindow(Wide(className).c_str(), ce::WindowScope::TopLevel, nullptr);
  Say(std::to_string(reinterpret_cast<uintptr_t>(hwnd)));
  _exit(0);
}

// queue-write NAME COUNT: opens the write end the way the shell subscription
// does and writes COUNT records {1, i, 2}, waiting while the queue is full.
int QueueWrite(const char* name, const char* count) {
  MSGQUEUEOPTIONS options{sizeof(MSGQUEUEOPTIONS), MSGQUEUE_ALLOW_BROKEN, 16, 12, FALSE};
  HANDLE queue = CreateMsgQueue(Wide(name).c_str(), &options);
  if (!queue) return 1;
  long n = std::strtol(count, nullptr, 10);
  for (long i = 0; i < n; ++i) {
    uint32_t record[3] = {1, static_cast<uint32_t>(i), 2};
    if (!WriteMsgQueue(queue, record, sizeof record, 10000, 0)) return 2;
  }
  Say("done");
  CloseMsgQueue(queue);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (argc == 3 && args[0] == "message") return RegisterMessage(argv[2]);
  if (argc == 5 && args[0] == "post") return Post(argv[2], argv[3], argv[4]);
  if (argc == 3 && args[0] == "serve") return Serve(argv[2]);
  if (argc == 4 && args[0] == "queue-write") return QueueWrite(argv[2], argv[3]);
  if (argc == 3 && args[0] == "vanish") return Vanish(argv[2]);
  std::fprintf(stderr, "ce_ipc_peer: unknown command\n");
  return 64;
}
