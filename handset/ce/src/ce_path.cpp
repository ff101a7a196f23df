#include <dirent.h>
#include <sys/stat.h>

#include <cwchar>
#include <string>
#include <vector>

#include "ce/device.h"
#include "ce/utf8.h"
#include "ce/wstring.h"
#include "file_common.h"

namespace ce {
namespace {

// Linux refuses longer names; the test is on the UTF-8 form.
constexpr size_t kMaxNameBytes = 255;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsForbidden(wchar_t c) {
  return (c >= 0 && c < 0x20) || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?' ||
         c == L'*' || !IsScalarValue(static_cast<char32_t>(c));
}

bool IsDotsOnly(std::wstring_view name) { return name.find_first_not_of(L'.') == std::wstring_view::npos; }

size_t CodePoints(std::string_view utf8) {
  size_t count = 0;
  for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool EqualAsciiIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
    char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

// The entry of the folder whose name matches without regard to case: the
// exact name when present, else the first match in folder order. Folding
// maps one character to one, so names of another length are passed over
// before anything is decoded; ASCII names are compared without decoding.
bool FindEntry(const std::filesystem::path& folder, const std::string& name, std::string& found) {
  struct stat st{};
  if (lstat((folder / name).c_str(), &st) == 0) {
    found = name;
    return true;
  }
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  std::wstring wanted = FoldCase(FromUtf8(name));
  bool asciiName = IsAscii(name);
  bool match = false;
  while (dirent* entry = readdir(dir)) {
    std::string_view candidate = entry->d_name;
    if (CodePoints(candidate) != wanted.size()) continue;
    if (asciiName && IsAscii(candidate)) {
      match = EqualAsciiIgnoringCase(candidate, name);
    } else {
      bool valid = true;
      std::wstring decoded = FromUtf8(candidate, &valid);
      match = valid && FoldCase(decoded) == wanted;
    }
    if (match) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return match;
}

}  // namespace

bool ResolveCePath(std::wstring_view cePath, std::filesystem::path& out) {
  if (cePath.find(L'\0') != std::wstring_view::npos) return Fail(ERROR_INVALID_NAME, false);
  if (cePath.empty()) return Fail(ERROR_PATH_NOT_FOUND, false);
  if (cePath.size() >= MAX_PATH) return Fail(ERROR_FILENAME_EXCED_RANGE, false);

  std::vector<std::string> names;
  size_t at = 0;
  while (at <= cePath.size()) {
    size_t end = at;
    while (end < cePath.size() && !IsSeparator(cePath[end])) ++end;
    std::wstring_view name = cePath.substr(at, end - at);
    at = end + 1;
    if (name.empty() || name == L".") continue;
    if (IsDotsOnly(name)) return Fail(ERROR_ACCESS_DENIED, false);
    for (wchar_t c : name) {
      if (IsForbidden(c)) return Fail(ERROR_INVALID_NAME, false);
    }
    std::string utf8 = ToUtf8(name);
    if (utf8.size() > kMaxNameBytes) return Fail(ERROR_FILENAME_EXCED_RANGE, false);
    names.push_back(std::move(utf8));
  }

  std::filesystem::path current = DeviceRoot();
  bool existing = true;
  for (const std::string& name : names) {
    std::string stored;
    existing = existing && FindEntry(current, name, stored);
    if (!existing) {
      current /= name;
      continue;
    }
    current /= stored;
    struct stat st{};
    // A link could lead anywhere, so no path may pass through one.
    if (lstat(current.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return Fail(ERROR_ACCESS_DENIED, false);
  }
  out = std::move(current);
  return true;
}

bool ResolveCePath(const wchar_t* cePath, std::filesystem::path& out) {
  if (!cePath) return Fail(ERROR_INVALID_PARAMETER, false);
  // Read no further than MAX_PATH: a longer path is refused either way.
  size_t length = wcsnlen(cePath, MAX_PATH);
  return ResolveCePath(std::wstring_view(cePath, length), out);
}

namespace files {

DWORD ErrorFromErrno(int error, const std::filesystem::path& path) {
  switch (error) {
    case ENOENT: {
      struct stat st{};
      bool folder = stat(path.parent_path().c_str(), &st) == 0 && S_ISDIR(st.st_mode);
      return folder ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_ACCESS_DENIED;
  }
}

bool Examine(const std::filesystem::path& path, struct stat& st) { return lstat(path.c_str(), &st) == 0; }

DWORD AttributesOf(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
  return (st.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

FILETIME FileTimeOf(const struct timespec& time) {
  // 100 ns ticks between 1601-01-01 and 1970-01-01.
  constexpr int64_t kUnixEpoch = 116444736000000000LL;
  int64_t ticks = kUnixEpoch + static_cast<int64_t>(time.tv_sec) * 10000000 + time.tv_nsec / 100;
  if (ticks < 0) ticks = 0;
  return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32)};
}

std::string LeafOf(const wchar_t* cePath) {
  std::wstring_view path(cePath, wcsnlen(cePath, MAX_PATH));
  while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
  size_t cut = path.find_last_of(L"\\/");
  return ToUtf8(cut == std::wstring_view::npos ? path : path.substr(cut + 1));
}

void EnsureRootExists() {
  std::error_code ignored;
  std::filesystem::create_directories(DeviceRoot(), ignored);
}

}  // namespace files
}  // namespace ce
