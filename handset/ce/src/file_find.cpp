// FindFirstFileW / FindNextFileW / FindClose: the entries of one folder
// whose names match a pattern with * and ?, without regard to case.
#include <dirent.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "ce/utf8.h"
#include "ce/wstring.h"
#include "file_common.h"

namespace {

using ce::Fail;

const ce::HandleKind kSearchHandle{"file search"};

struct Search {
  std::vector<WIN32_FIND_DATAW> entries;
  size_t next = 0;
};

// Glob match of folded texts; backtracks only to the last star, so the
// cost stays at most length(name) * length(pattern).
bool Matches(std::wstring_view name, std::wstring_view pattern) {
  size_t n = 0, p = 0, starP = std::wstring_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == L'?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == L'*') {
      starP = p++;
      starN = n;
    } else if (starP != std::wstring_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool ValidPattern(std::wstring_view pattern) {
  for (wchar_t c : pattern) {
    if ((c >= 0 && c < 0x20) || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|') return false;
  }
  return true;
}

bool Describe(const std::filesystem::path& path, const std::wstring& name, WIN32_FIND_DATAW& data) {
  struct stat st{};
  if (!ce::files::Examine(path, st) || !(S_ISDIR(st.st_mode) || S_ISREG(st.st_mode))) return false;
  if (name.size() >= MAX_PATH) return false;
  data = WIN32_FIND_DATAW{};
  data.dwFileAttributes = ce::files::AttributesOf(st);
  data.ftCreationTime = ce::files::FileTimeOf(st.st_mtim);
  data.ftLastAccessTime = ce::files::FileTimeOf(st.st_atim);
  data.ftLastWriteTime = ce::files::FileTimeOf(st.st_mtim);
  if (S_ISREG(st.st_mode)) {
    data.nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(st.st_size) >> 32);
    data.nFileSizeLow = static_cast<DWORD>(static_cast<uint64_t>(st.st_size) & 0xFFFFFFFF);
  }
  std::wmemcpy(data.cFileName, name.c_str(), name.size() + 1);
  return true;
}

// Every entry of the folder that matches, in name order. Links and other
// special files are left out: no CE path can open them.
std::vector<WIN32_FIND_DATAW> List(const std::filesystem::path& folder, std::wstring_view pattern) {
  std::vector<std::pair<std::wstring, WIN32_FIND_DATAW>> found;
  std::wstring folded = ce::FoldCase(pattern == L"*.*" ? std::wstring_view(L"*") : pattern);
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string_view raw = entry->d_name;
      if (raw == "." || raw == "..") continue;
      bool valid = true;
      std::wstring name = ce::FromUtf8(raw, &valid);
      std::wstring key = ce::FoldCase(name);
      WIN32_FIND_DATAW data;
      if (valid && Matches(key, folded) && Describe(folder / entry->d_name, name, data))
        found.emplace_back(std::move(key), data);
    }
    closedir(dir);
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<WIN32_FIND_DATAW> entries;
  for (auto& [key, data] : found) entries.push_back(data);
  return entries;
}

}  // namespace

HANDLE FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW found) {
  if (!pattern || !found) return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  std::wstring_view text(pattern, wcsnlen(pattern, MAX_PATH));
  if (text.size() >= MAX_PATH) return Fail(ERROR_FILENAME_EXCED_RANGE, INVALID_HANDLE_VALUE);
  // "\folder\" names the folder itself, as "\folder" does.
  while (text.size() > 1 && IsSeparator(text.back())) text.remove_suffix(1);
  size_t cut = text.find_last_of(L"\\/");
  std::wstring_view folderPart = cut == std::wstring_view::npos ? std::wstring_view(L"\\") : text.substr(0, cut + 1);
  std::wstring_view leaf = cut == std::wstring_view::npos ? text : text.substr(cut + 1);
  if (leaf.empty()) return Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);  // the root has no entry of its own
  if (leaf.find_first_not_of(L'.') == std::wstring_view::npos) return Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
  if (!ValidPattern(leaf)) return Fail(ERROR_INVALID_NAME, INVALID_HANDLE_VALUE);

  std::filesystem::path folder;
  if (!ce::ResolveCePath(folderPart, folder)) return INVALID_HANDLE_VALUE;
  struct stat st{};
  if (!ce::files::Examine(folder, st) || !S_ISDIR(st.st_mode)) return Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);

  auto search = std::make_shared<Search>();
  search->entries = List(folder, leaf);
  if (search->entries.empty()) return Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
  HANDLE handle = ce::OpenHandle(kSearchHandle, search);
  if (!handle) return Fail(ERROR_TOO_MANY_OPEN_FILES, INVALID_HANDLE_VALUE);
  *found = search->entries[search->next++];
  return handle;
}

BOOL FindNextFileW(HANDLE handle, LPWIN32_FIND_DATAW found) {
  std::shared_ptr<Search> search = ce::FindHandleAs<Search>(handle, kSearchHandle);
  if (!search) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (!found) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  if (search->next >= search->entries.size()) return Fail(ERROR_NO_MORE_FILES, FALSE);
  *found = search->entries[search->next++];
  return TRUE;
}

BOOL FindClose(HANDLE handle) {
  if (!ce::CloseHandleOfKind(handle, kSearchHandle)) return Fail(ERROR_INVALID_HANDLE, FALSE);
  return TRUE;
}
