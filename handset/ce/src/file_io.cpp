// CreateFileW and the calls on an open file.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "file_common.h"

namespace {

using ce::Fail;

const ce::HandleKind kFileHandle{"file"};

struct OpenFile {
  OpenFile(int descriptor, bool reads, bool writes) : fd(descriptor), canRead(reads), canWrite(writes) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() { close(fd); }

  int fd;
  bool canRead;
  bool canWrite;
};

std::shared_ptr<OpenFile> FindFile(HANDLE handle) { return ce::FindHandleAs<OpenFile>(handle, kFileHandle); }

int OpenFlags(DWORD disposition, bool writing) {
  int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (writing ? O_RDWR : O_RDONLY);
  switch (disposition) {
    case CREATE_NEW: return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS: return flags | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS: return flags | O_CREAT;
    case TRUNCATE_EXISTING: return flags | O_TRUNC;
    default: return flags;
  }
}

}  // namespace

HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                   DWORD flagsAndAttributes, HANDLE templateFile) {
  if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING) return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  bool canRead = access & GENERIC_READ;
  bool canWrite = access & GENERIC_WRITE;
  if (disposition == TRUNCATE_EXISTING && !canWrite) return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  std::filesystem::path target;
  if (!ce::ResolveCePath(path, target)) return INVALID_HANDLE_VALUE;
  bool creates = disposition != OPEN_EXISTING && disposition != TRUNCATE_EXISTING;
  if (creates) ce::files::EnsureRootExists();

  struct stat before{};
  bool existed = ce::files::Examine(target, before);
  if (existed && S_ISDIR(before.st_mode)) return Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
  if (existed && disposition == CREATE_NEW) return Fail(ERROR_FILE_EXISTS, INVALID_HANDLE_VALUE);

  bool truncates = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
  mode_t mode = (flagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0644;
  // O_NONBLOCK keeps a FIFO under the root from stalling the open; only
  // regular files are accepted below.
  int fd = open(target.c_str(), OpenFlags(disposition, canWrite || truncates), mode);
  if (fd < 0) {
    int error = errno;
    if (error == EEXIST) return Fail(ERROR_FILE_EXISTS, INVALID_HANDLE_VALUE);
    if (error == ENOENT && creates) return Fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
    return Fail(ce::files::ErrorFromErrno(error, target), INVALID_HANDLE_VALUE);
  }
  struct stat st{};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return Fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  HANDLE handle = ce::OpenHandle(kFileHandle, std::make_shared<OpenFile>(fd, canRead, canWrite));
  if (!handle) return Fail(ERROR_TOO_MANY_OPEN_FILES, INVALID_HANDLE_VALUE);
  bool reports = existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS);
  SetLastError(reports ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
  if (bytesRead) *bytesRead = 0;
  std::shared_ptr<OpenFile> open = FindFile(file);
  if (!open) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (overlapped || !bytesRead || (!buffer && bytesToRead > 0)) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  if (!open->canRead) return Fail(ERROR_ACCESS_DENIED, FALSE);
  auto* out = static_cast<char*>(buffer);
  DWORD done = 0;
  while (done < bytesToRead) {
    ssize_t n = read(open->fd, out + done, bytesToRead - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *bytesRead = done;
      return Fail(ERROR_READ_FAULT, FALSE);
    }
    if (n == 0) break;
    done += static_cast<DWORD>(n);
  }
  *bytesRead = done;
  return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
  if (bytesWritten) *bytesWritten = 0;
  std::shared_ptr<OpenFile> open = FindFile(file);
  if (!open) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (overlapped || !bytesWritten || (!buffer && bytesToWrite > 0)) return Fail(ERROR_INVALID_PARAMETER, FALSE);
  if (!open->canWrite) return Fail(ERROR_ACCESS_DENIED, FALSE);
  off_t start = lseek(open->fd, 0, SEEK_CUR);
  struct stat before{};
  fstat(open->fd, &before);
  const char* in = static_cast<const char*>(buffer);
  DWORD done = 0;
  while (done < bytesToWrite) {
    ssize_t n = write(open->fd, in + done, bytesToWrite - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      int error = n < 0 ? errno : ENOSPC;
      // A write that grew the file and then failed (a full disk) is taken
      // back, so the file never ends in half a record.
      if (start >= 0 && start >= before.st_size && done > 0 && ftruncate(open->fd, before.st_size) == 0) {
        lseek(open->fd, start, SEEK_SET);
        done = 0;
      }
      *bytesWritten = done;
      return Fail(error == ENOSPC || error == EDQUOT ? ERROR_DISK_FULL : ERROR_WRITE_FAULT, FALSE);
    }
    done += static_cast<DWORD>(n);
  }
  *bytesWritten = done;
  return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method) {
  std::shared_ptr<OpenFile> open = FindFile(file);
  if (!open) return Fail(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
  int64_t move = distanceHigh ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
                                                     static_cast<uint32_t>(distance))
                              : distance;
  int64_t base = 0;
  if (method == FILE_CURRENT) {
    base = lseek(open->fd, 0, SEEK_CUR);
  } else if (method == FILE_END) {
    struct stat st{};
    if (fstat(open->fd, &st) != 0) return Fail(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
    base = st.st_size;
  } else if (method != FILE_BEGIN) {
    return Fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  }
  if (base < 0 || (move < 0 && base < -move)) return Fail(ERROR_NEGATIVE_SEEK, INVALID_SET_FILE_POINTER);
  if (move > 0 && base > INT64_MAX - move) return Fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  int64_t position = base + move;
  if (lseek(open->fd, position, SEEK_SET) < 0) return Fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  if (distanceHigh) *distanceHigh = static_cast<LONG>(static_cast<uint64_t>(position) >> 32);
  // The low part may itself be 0xFFFFFFFF, so success clears the last error.
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(position & 0xFFFFFFFF);
}

DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh) {
  std::shared_ptr<OpenFile> open = FindFile(file);
  struct stat st{};
  if (!open || fstat(open->fd, &st) != 0) return Fail(ERROR_INVALID_HANDLE, INVALID_FILE_SIZE);
  uint64_t size = static_cast<uint64_t>(st.st_size);
  if (sizeHigh) *sizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size & 0xFFFFFFFF);
}

BOOL FlushFileBuffers(HANDLE file) {
  std::shared_ptr<OpenFile> open = FindFile(file);
  if (!open) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (fsync(open->fd) != 0) return Fail(ERROR_WRITE_FAULT, FALSE);
  return TRUE;
}

BOOL SetEndOfFile(HANDLE file) {
  std::shared_ptr<OpenFile> open = FindFile(file);
  if (!open) return Fail(ERROR_INVALID_HANDLE, FALSE);
  if (!open->canWrite) return Fail(ERROR_ACCESS_DENIED, FALSE);
  off_t position = lseek(open->fd, 0, SEEK_CUR);
  if (position < 0 || ftruncate(open->fd, position) != 0) return Fail(ERROR_WRITE_FAULT, FALSE);
  return TRUE;
}
