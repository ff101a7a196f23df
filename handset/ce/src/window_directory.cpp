#include "window_directory.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "message_endpoint.h"
#include "run_files.h"
#include "ce/utf8.h"
#include "ce/wstring.h"
#include "text_util.h"

namespace ce::internal {
namespace {

constexpr size_t kMaxEntryBytes = 4096;

std::filesystem::path WindowsDir() {
  std::filesystem::path run = RunDir();
  if (run.empty()) return {};
  std::filesystem::path dir = run / "windows";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  return error ? std::filesystem::path() : dir;
}

std::string EntryName(uint32_t handle) {
  char name[16];
  std::snprintf(name, sizeof name, "%08x.win", handle);
  return name;
}

std::optional<uint32_t> HandleFromEntryName(const std::string& name) {
  if (name.size() != 12 || name.substr(8) != ".win") return std::nullopt;
  uint32_t handle = 0;
  auto [end, error] = std::from_chars(name.data(), name.data() + 8, handle, 16);
  if (error != std::errc() || end != name.data() + 8) return std::nullopt;
  return handle;
}

}  // namespace

std::optional<PublishedWindow> ParseWindowEntry(uint32_t handle, std::string_view text) {
  size_t tab1 = text.find('\t');
  size_t tab2 = tab1 == std::string::npos ? tab1 : text.find('\t', tab1 + 1);
  size_t end = text.find('\n');
  if (tab2 == std::string::npos || end == std::string::npos || end < tab2) return std::nullopt;
  PublishedWindow window;
  window.handle = handle;
  long pid = 0;
  auto [pidEnd, error] = std::from_chars(text.data(), text.data() + tab1, pid);
  if (error != std::errc() || pidEnd != text.data() + tab1 || pid <= 0 || pid > INT32_MAX) return std::nullopt;
  window.pid = static_cast<pid_t>(pid);
  window.socketName = std::string(text.substr(tab1 + 1, tab2 - tab1 - 1));
  // The socket must be a plain file name in the run folder, never a path elsewhere.
  if (window.socketName.empty() || window.socketName.find('/') != std::string::npos ||
      window.socketName.front() == '.')
    return std::nullopt;
  window.className = ce::FromUtf8(UnescapeField(text.substr(tab2 + 1, end - tab2 - 1)));
  return window;
}

namespace {

std::optional<PublishedWindow> ReadEntry(const std::filesystem::path& dir, uint32_t handle) {
  auto text = ReadSmallFile(dir / EntryName(handle), kMaxEntryBytes);
  if (!text) return std::nullopt;
  return ParseWindowEntry(handle, *text);
}

}  // namespace

bool PublishWindow(const PublishedWindow& window) {
  std::filesystem::path dir = WindowsDir();
  bool valid = true;
  std::string className = ce::ToUtf8(window.className, &valid);
  if (dir.empty() || !valid) return false;
  std::string line = std::to_string(window.pid) + "\t" + window.socketName + "\t" + EscapeField(className) + "\n";
  if (line.size() > kMaxEntryBytes) return false;
  return WriteFileAtomically(dir / EntryName(window.handle), line);
}

void WithdrawWindow(uint32_t handle) {
  std::filesystem::path dir = WindowsDir();
  if (!dir.empty()) ::unlink((dir / EntryName(handle)).c_str());
}

void ForgetDeadWindow(const PublishedWindow& window) {
  WithdrawWindow(window.handle);
  std::filesystem::path run = RunDir();
  if (!run.empty()) ::unlink((run / window.socketName).c_str());
}

std::optional<PublishedWindow> LookupPublishedWindow(uint32_t handle) {
  std::filesystem::path dir = WindowsDir();
  if (dir.empty()) return std::nullopt;
  auto window = ReadEntry(dir, handle);
  if (!window) return std::nullopt;
  if (!SocketHasReceiver(window->socketName)) {
    ForgetDeadWindow(*window);
    return std::nullopt;
  }
  return window;
}

std::optional<PublishedWindow> FindPublishedWindow(std::wstring_view className, const std::string& ownSocket) {
  std::filesystem::path dir = WindowsDir();
  if (dir.empty()) return std::nullopt;
  std::wstring wanted = ce::FoldCase(className);
  std::vector<PublishedWindow> matches;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(dir, error)) {
    auto handle = HandleFromEntryName(item.path().filename().string());
    if (!handle) continue;
    auto window = ReadEntry(dir, *handle);
    if (!window || window->socketName == ownSocket) continue;
    if (ce::FoldCase(window->className) == wanted) matches.push_back(*window);
  }
  // Newest first: a process that restarted has a newer handle than the
  // stale entry it may have left.
  std::sort(matches.begin(), matches.end(),
            [](const PublishedWindow& a, const PublishedWindow& b) { return a.handle > b.handle; });
  for (const PublishedWindow& window : matches) {
    if (SocketHasReceiver(window.socketName)) return window;
    ForgetDeadWindow(window);
  }
  return std::nullopt;
}

}  // namespace ce::internal
