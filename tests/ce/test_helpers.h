// Helpers shared by the ce and toolkit tests: a whole file as text, a time
// zone held for one scope, text put on the clipboard, and a check that a call
// failed with a given last error.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "windows.h"

namespace vorna::test {

// The file's bytes; empty when it cannot be read.
inline std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Sets TZ until the end of the scope, then restores the previous zone.
class ZoneScope {
 public:
  explicit ZoneScope(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ZoneScope() {
    if (saved_) setenv("TZ", saved_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  ZoneScope(const ZoneScope&) = delete;
  ZoneScope& operator=(const ZoneScope&) = delete;

 private:
  std::optional<std::string> saved_;
};

// The copy sequence of the library's copy bubble: open, empty, a moveable
// LocalAlloc block written through directly, set, close. An empty text only
// clears the clipboard.
inline bool CopyText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HLOCAL block = LocalAlloc(LMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool set = false;
  if (block && !text.empty()) {
    std::wmemcpy(static_cast<wchar_t*>(block), text.c_str(), text.size() + 1);
    set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  } else {
    LocalFree(block);
  }
  return CloseClipboard() && (set || text.empty());
}

// Succeeds when a call reported failure (`ok` false) and left `error` as the
// last error: EXPECT_TRUE(FailedWith(DeleteFileW(path), ERROR_FILE_NOT_FOUND)).
inline ::testing::AssertionResult FailedWith(bool ok, DWORD error) {
  const DWORD last = GetLastError();
  if (!ok && last == error) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << (ok ? "succeeded" : "failed") << " with last error " << last << ", not "
                                       << error;
}

}  // namespace vorna::test
