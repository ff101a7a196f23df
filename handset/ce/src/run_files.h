// Files and sockets that processes on one device root share under <root>/run/:
// the folder itself, owned descriptors, whole-file locks, atomic small files,
// and Unix socket addresses for paths of any length.
#pragma once

#include <sys/socket.h>
#include <sys/un.h>

#include <filesystem>
#include <optional>
#include <string>

namespace ce::internal {

// <root>/run, created on first use. Empty if it cannot be created.
std::filesystem::path RunDir();

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release();
  void reset(int fd = -1);

 private:
  int fd_ = -1;
};

// Holds an exclusive flock on an open file for its lifetime. flock belongs to
// the open file description, so two descriptors of one process exclude each
// other just as two processes do.
class FileLock {
 public:
  explicit FileLock(int fd);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool locked() const { return locked_; }

 private:
  int fd_;
  bool locked_;
};

// Reads a file of at most maxBytes; nullopt when missing, unreadable or larger.
std::optional<std::string> ReadSmallFile(const std::filesystem::path& path, size_t maxBytes);
std::optional<std::string> ReadSmallFile(int fd, size_t maxBytes);

// Writes through a temporary file and a rename, so readers see the old or the
// new content and never a half-written file.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content);

// Writes all of data at the file's current position, retrying short writes.
bool WriteAll(int fd, const std::string& data);

// A sockaddr_un for a socket file. sun_path holds only 108 bytes, so a longer
// path is reached through an O_PATH descriptor of its folder
// (/proc/self/fd/N/name), which stays open as long as the address is in use.
class SocketAddress {
 public:
  explicit SocketAddress(const std::filesystem::path& path);
  bool valid() const { return length_ != 0; }
  const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address_); }
  socklen_t length() const { return length_; }

 private:
  sockaddr_un address_{};
  socklen_t length_ = 0;
  UniqueFd folder_;
};

}  // namespace ce::internal
