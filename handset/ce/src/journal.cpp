#include "ce/journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "ce/device.h"
#include "ce/utf8.h"
#include "run_files.h"
#include "text_util.h"

namespace ce {
namespace {

// A journal larger than this is not read back whole (it is still appended to).
constexpr size_t kMaxReadBytes = 64 * 1024 * 1024;

std::string NowUtc() {
  auto now = std::chrono::system_clock::now();
  auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
  std::time_t seconds = static_cast<std::time_t>(millis / 1000);
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900, parts.tm_mon + 1,
                parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, static_cast<int>(millis % 1000));
  return text;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

std::filesystem::path LaunchJournalPath() { return DeviceRoot() / "log" / "launches.log"; }

bool AppendLaunchJournal(const std::string& kind, const std::string& outcome, std::wstring_view program,
                         std::wstring_view details) {
  std::filesystem::path path = LaunchJournalPath();
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::string line = NowUtc() + "\t" + kind + "\t" + outcome + "\t" + internal::EscapeField(ToUtf8(program)) + "\t" +
                     internal::EscapeField(ToUtf8(details)) + "\n";
  internal::UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
  if (!fd.valid()) return false;
  // Whole lines only, even when several processes write at once.
  internal::FileLock lock(fd.get());
  return internal::WriteAll(fd.get(), line);
}

std::vector<JournalEntry> ReadLaunchJournal() {
  std::vector<JournalEntry> entries;
  auto content = internal::ReadSmallFile(LaunchJournalPath(), kMaxReadBytes);
  if (!content) return entries;
  size_t start = 0;
  for (size_t end = content->find('\n'); end != std::string::npos; end = content->find('\n', start)) {
    auto fields = SplitTabs(std::string_view(*content).substr(start, end - start));
    start = end + 1;
    if (fields.size() != 5) continue;
    entries.push_back({std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                       FromUtf8(internal::UnescapeField(fields[3])), FromUtf8(internal::UnescapeField(fields[4]))});
  }
  return entries;
}

}  // namespace ce
