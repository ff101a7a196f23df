// Registered window message ids, shared by every process on the device root
// through <root>/run/window-messages.txt: one line per name,
//   id in hexadecimal <TAB> name (UTF-8, escaped)
// Lines are only ever appended, under an exclusive lock of the file, so an id
// once given stays with its name for the life of the root.
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <mutex>

#include "ce/device.h"
#include "ce/lasterror.h"
#include "ce/window_registry.h"
#include "run_files.h"
#include "ce/utf8.h"
#include "text_util.h"

namespace {

using ce::internal::FoldCase;

constexpr UINT kFirstId = 0xC000;
constexpr UINT kLastId = 0xFFFF;
// Longer names are refused, as CE refuses atom names over 255 characters.
constexpr size_t kMaxNameLength = 255;
constexpr size_t kMaxFileBytes = 16 * 1024 * 1024;

std::mutex g_mutex;
std::map<std::wstring, UINT> g_ids;  // folded name -> id, as read from the file

void ForgetIds() {
  std::lock_guard lock(g_mutex);
  g_ids.clear();
}

// Reads every line into g_ids and returns the highest id seen.
UINT LoadIds(const std::string& content) {
  UINT highest = 0;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) break;  // a line cut short by a crash: ignore it
    std::string_view line(content.data() + start, end - start);
    start = end + 1;
    size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    UINT id = 0;
    auto [idEnd, error] = std::from_chars(line.data(), line.data() + tab, id, 16);
    if (error != std::errc() || idEnd != line.data() + tab || id < kFirstId || id > kLastId) continue;
    highest = std::max(highest, id);
    std::wstring name = ce::FromUtf8(ce::internal::UnescapeField(line.substr(tab + 1)));
    g_ids.emplace(FoldCase(name), id);
  }
  return highest;
}

UINT RegisterInFile(const std::wstring& name, const std::wstring& folded) {
  std::filesystem::path dir = ce::internal::RunDir();
  auto utf8 = ce::internal::WideToUtf8(name);
  if (dir.empty() || !utf8) return 0;
  ce::internal::UniqueFd fd(::open((dir / "window-messages.txt").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (!fd.valid()) return 0;
  ce::internal::FileLock lock(fd.get());
  if (!lock.locked()) return 0;
  auto content = ce::internal::ReadSmallFile(fd.get(), kMaxFileBytes);
  if (!content) return 0;
  UINT highest = LoadIds(*content);
  if (auto found = g_ids.find(folded); found != g_ids.end()) return found->second;
  UINT id = highest == 0 ? kFirstId : highest + 1;
  if (id > kLastId) return 0;
  char idText[8];
  std::snprintf(idText, sizeof idText, "%04x", id);
  // A crash may have left a partial last line; start ours on a fresh line.
  std::string line = (!content->empty() && content->back() != '\n') ? "\n" : "";
  line += std::string(idText) + "\t" + ce::internal::EscapeField(*utf8) + "\n";
  if (!ce::internal::WriteAll(fd.get(), line)) return 0;
  g_ids.emplace(folded, id);
  return id;
}

}  // namespace

UINT RegisterWindowMessageW(LPCWSTR name) {
  static std::once_flag hookOnce;
  std::call_once(hookOnce, [] { ce::OnDeviceRootReset(ForgetIds); });
  if (!name || !*name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::wstring text(name);
  if (text.size() > kMaxNameLength) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::wstring folded = FoldCase(text);
  std::lock_guard lock(g_mutex);
  if (auto found = g_ids.find(folded); found != g_ids.end()) return found->second;
  UINT id = RegisterInFile(text, folded);
  if (id == 0) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return id;
}
