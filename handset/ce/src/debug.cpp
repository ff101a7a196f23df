#include "ce/debug.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <cwctype>
#include <filesystem>
#include <vector>

#include "ce/device.h"
#include "ce/utf8.h"
#include "run_files.h"

namespace ce {
namespace {

// A message longer than this is cut; debug lines are never that long on purpose.
constexpr size_t kMaxMessageChars = 16 * 1024;

bool WantsStderr() {
  const char* flag = std::getenv("VORNA_DEBUG");
  return flag && *flag && std::strcmp(flag, "0") != 0;
}

std::wstring Format(const wchar_t* format, va_list args) {
  std::wstring translated = TranslateDebugFormat(format);
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vswprintf(buffer.data(), buffer.size(), translated.c_str(), copy);
    va_end(copy);
    if (n >= 0) return std::wstring(buffer.data(), static_cast<size_t>(n));
    // vswprintf gives -1 both for a short buffer and for text it cannot
    // encode; growing to the cap tells the two apart.
    if (buffer.size() >= kMaxMessageChars) return L"(debug message not printable) " + translated;
    buffer.resize(buffer.size() * 4);
  }
}

std::string TimeStamp() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  char text[64];
  size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  std::snprintf(text + n, sizeof text - n, ".%03ld [%d] ", now.tv_nsec / 1000000, static_cast<int>(getpid()));
  return text;
}

// Appends one entry to the log. Processes on the same root serialise on an
// advisory lock of the log file, so rotation never loses or splits a line.
void AppendToLog(const std::string& entry) {
  std::filesystem::path dir = DeviceRoot() / "log";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  std::filesystem::path log = dir / "debug.log";
  for (int attempt = 0; attempt < 2; ++attempt) {
    int fd = open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return;
    flock(fd, LOCK_EX);
    struct stat st{};
    struct stat current{};
    // Another process may have rotated the file between our open and lock.
    bool stale = fstat(fd, &st) != 0 || stat(log.c_str(), &current) != 0 || st.st_ino != current.st_ino;
    if (stale) {
      close(fd);
      continue;
    }
    if (st.st_size > 0 && static_cast<size_t>(st.st_size) + entry.size() > kDebugLogLimit) {
      std::filesystem::rename(log, dir / "debug.log.1", ec);
      close(fd);
      continue;
    }
    internal::WriteAll(fd, entry);
    close(fd);
    return;
  }
}

}  // namespace

std::wstring TranslateDebugFormat(const wchar_t* format) {
  std::wstring out;
  if (!format) return out;
  for (const wchar_t* p = format; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    if (p[1] == L'%') {
      out += *++p;
      continue;
    }
    // Copy flags, width, precision; then decide the size of a text conversion.
    while (p[1] && std::wcschr(L"-+ #0123456789.*", p[1])) out += *++p;
    bool narrow = false;
    bool wide = false;
    if (p[1] == L'h' && (p[2] == L's' || p[2] == L'c')) {
      narrow = true;
      ++p;
    } else if ((p[1] == L'l' || p[1] == L'w') && (p[2] == L's' || p[2] == L'c')) {
      wide = true;
      ++p;
    }
    wchar_t conversion = p[1];
    if (conversion == L's' || conversion == L'c') {
      if (!narrow) wide = true;
    } else if (conversion == L'S' || conversion == L'C') {
      if (!wide) narrow = true;
    } else {
      continue;
    }
    ++p;
    if (wide) out += L'l';
    out += static_cast<wchar_t>(std::towlower(conversion));
  }
  return out;
}

}  // namespace ce

void NKDbgPrintfW(LPCWSTR format, ...) {
  if (!format) return;
  va_list args;
  va_start(args, format);
  std::wstring message = ce::Format(format, args);
  va_end(args);
  std::string text = ce::ToUtf8(message);
  if (ce::WantsStderr()) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
  }
  std::string entry = ce::TimeStamp() + text;
  if (entry.empty() || entry.back() != '\n') entry += '\n';
  ce::AppendToLog(entry);
}
