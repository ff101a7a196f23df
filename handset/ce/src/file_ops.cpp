// Folder and whole-file operations by CE path.
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "ce/device.h"
#include "file_common.h"

namespace {

using ce::Fail;

bool IsRoot(const std::filesystem::path& path) { return path == ce::DeviceRoot(); }

// Copies the bytes of one open file into another; false on any error.
bool CopyBytes(int from, int to) {
  char buffer[64 * 1024];
  for (;;) {
    ssize_t n = read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = write(to, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}

}  // namespace

BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES security) {
  std::filesystem::path target;
  if (!ce::ResolveCePath(path, target)) return FALSE;
  if (IsRoot(target)) return Fail(ERROR_ALREADY_EXISTS, FALSE);
  ce::files::EnsureRootExists();
  if (mkdir(target.c_str(), 0755) != 0) {
    int error = errno;
    return Fail(error == ENOENT ? ERROR_PATH_NOT_FOUND : ce::files::ErrorFromErrno(error, target), FALSE);
  }
  return TRUE;
}

BOOL RemoveDirectoryW(LPCWSTR path) {
  std::filesystem::path target;
  if (!ce::ResolveCePath(path, target)) return FALSE;
  if (IsRoot(target)) return Fail(ERROR_ACCESS_DENIED, FALSE);
  struct stat st{};
  if (!ce::files::Examine(target, st)) return Fail(ce::files::ErrorFromErrno(ENOENT, target), FALSE);
  if (!S_ISDIR(st.st_mode)) return Fail(ERROR_DIRECTORY, FALSE);
  if (rmdir(target.c_str()) != 0) return Fail(ce::files::ErrorFromErrno(errno, target), FALSE);
  return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR path) {
  std::filesystem::path target;
  if (!ce::ResolveCePath(path, target)) return INVALID_FILE_ATTRIBUTES;
  struct stat st{};
  if (!ce::files::Examine(target, st)) return Fail(ce::files::ErrorFromErrno(ENOENT, target), INVALID_FILE_ATTRIBUTES);
  return ce::files::AttributesOf(st);
}

BOOL DeleteFileW(LPCWSTR path) {
  std::filesystem::path target;
  if (!ce::ResolveCePath(path, target)) return FALSE;
  struct stat st{};
  if (!ce::files::Examine(target, st)) return Fail(ce::files::ErrorFromErrno(ENOENT, target), FALSE);
  // Folders go through RemoveDirectoryW; read-only files are kept, as on CE.
  if (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR)) return Fail(ERROR_ACCESS_DENIED, FALSE);
  if (unlink(target.c_str()) != 0) return Fail(ce::files::ErrorFromErrno(errno, target), FALSE);
  return TRUE;
}

BOOL MoveFileW(LPCWSTR existing, LPCWSTR target) {
  std::filesystem::path from;
  std::filesystem::path to;
  if (!ce::ResolveCePath(existing, from) || !ce::ResolveCePath(target, to)) return FALSE;
  struct stat st{};
  if (IsRoot(from) || IsRoot(to)) return Fail(ERROR_ACCESS_DENIED, FALSE);
  if (!ce::files::Examine(from, st)) return Fail(ce::files::ErrorFromErrno(ENOENT, from), FALSE);
  // Both names found the same entry: the move only changes the case of its name.
  if (from == to) to = from.parent_path() / ce::files::LeafOf(target);
  if (from == to) return TRUE;
  unsigned flags = RENAME_NOREPLACE;
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags) != 0) {
    int error = errno;
    if (error == EEXIST || error == ENOTEMPTY) return Fail(ERROR_ALREADY_EXISTS, FALSE);
    if (error == ENOENT) return Fail(ERROR_PATH_NOT_FOUND, FALSE);
    return Fail(ce::files::ErrorFromErrno(error, to), FALSE);
  }
  return TRUE;
}

BOOL CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists) {
  std::filesystem::path from;
  std::filesystem::path to;
  if (!ce::ResolveCePath(existing, from) || !ce::ResolveCePath(target, to)) return FALSE;
  struct stat source{};
  if (!ce::files::Examine(from, source)) return Fail(ce::files::ErrorFromErrno(ENOENT, from), FALSE);
  if (!S_ISREG(source.st_mode)) return Fail(ERROR_ACCESS_DENIED, FALSE);
  struct stat old{};
  if (ce::files::Examine(to, old)) {
    if (failIfExists) return Fail(ERROR_FILE_EXISTS, FALSE);
    if (!S_ISREG(old.st_mode) || !(old.st_mode & S_IWUSR) || from == to) return Fail(ERROR_ACCESS_DENIED, FALSE);
  }
  int in = open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (in < 0) return Fail(ce::files::ErrorFromErrno(errno, from), FALSE);
  // The copy is written beside the target and renamed into place, so the
  // target is either untouched or complete. Its name is short whatever the
  // target's, which may already be as long as a name can be.
  std::string temporary = (to.parent_path() / ".copy-XXXXXX").string();
  int out = mkostemp(temporary.data(), O_CLOEXEC);
  if (out < 0) {
    int error = errno;
    close(in);
    return Fail(error == ENOENT || error == ENOTDIR ? ERROR_PATH_NOT_FOUND : ce::files::ErrorFromErrno(error, to), FALSE);
  }
  bool copied = CopyBytes(in, out);
  int error = copied ? 0 : errno;
  fchmod(out, source.st_mode & 0777);
  close(in);
  if (close(out) != 0 && copied) {
    copied = false;
    error = errno;
  }
  unsigned flags = failIfExists ? RENAME_NOREPLACE : 0;
  if (copied && renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), flags) != 0) {
    copied = false;
    error = errno;
  }
  if (!copied) {
    unlink(temporary.c_str());
    if (error == EEXIST) return Fail(ERROR_FILE_EXISTS, FALSE);
    return Fail(error == ENOSPC || error == EDQUOT ? static_cast<DWORD>(ERROR_DISK_FULL) : static_cast<DWORD>(ERROR_WRITE_FAULT), FALSE);
  }
  return TRUE;
}
