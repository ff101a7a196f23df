// Registered window message ids, shared by every process on the device root
// through the table in the run folder (message_table.h). New names are
// appended under an exclusive lock of the file.
#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "ce/device.h"
#include "ce/lasterror.h"
#include "ce/utf8.h"
#include "ce/window_registry.h"
#include "ce/wstring.h"
#include "message_table.h"
#include "run_files.h"

namespace {

// Longer names are refused, as CE refuses atom names over 255 characters.
constexpr size_t kMaxNameLength = 255;
constexpr size_t kMaxFileBytes = 16 * 1024 * 1024;

std::mutex g_mutex;
std::map<std::wstring, UINT> g_ids;  // folded name -> id, as read from the file

void ForgetIds() {
  std::lock_guard lock(g_mutex);
  g_ids.clear();
}

UINT RegisterInFile(const std::string& utf8Name, const std::wstring& folded) {
  std::filesystem::path dir = ce::internal::RunDir();
  if (dir.empty()) return 0;
  ce::internal::UniqueFd fd(::open((dir / "window-messages.txt").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (!fd.valid()) return 0;
  ce::internal::FileLock lock(fd.get());
  if (!lock.locked()) return 0;
  auto content = ce::internal::ReadSmallFile(fd.get(), kMaxFileBytes);
  if (!content) return 0;
  UINT highest = ce::internal::ParseMessageTable(*content, g_ids);
  if (auto found = g_ids.find(folded); found != g_ids.end()) return found->second;
  UINT id = highest == 0 ? ce::internal::kFirstMessageId : highest + 1;
  if (id > ce::internal::kLastMessageId) return 0;
  // A crash may have left a partial last line; drop it so that it can never
  // be read later as a whole line giving our id to a cut-off name.
  size_t complete = content->rfind('\n');
  complete = complete == std::string::npos ? 0 : complete + 1;
  if (complete != content->size() && ::ftruncate(fd.get(), static_cast<off_t>(complete)) != 0) return 0;
  if (::lseek(fd.get(), 0, SEEK_END) < 0 || !ce::internal::WriteAll(fd.get(), ce::internal::MessageTableLine(id, utf8Name)))
    return 0;
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
  bool valid = true;
  std::string utf8 = ce::ToUtf8(text, &valid);
  if (text.size() > kMaxNameLength || !valid) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::wstring folded = ce::FoldCase(text);
  std::lock_guard lock(g_mutex);
  if (auto found = g_ids.find(folded); found != g_ids.end()) return found->second;
  UINT id = RegisterInFile(utf8, folded);
  if (id == 0) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return id;
}
