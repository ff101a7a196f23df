#include "run_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "ce/device.h"

namespace ce::internal {

std::filesystem::path RunDir() {
  std::filesystem::path dir = DeviceRoot() / "run";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) return {};
  return dir;
}

UniqueFd::~UniqueFd() { reset(); }

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) reset(other.release());
  return *this;
}

int UniqueFd::release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

void UniqueFd::reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

FileLock::FileLock(int fd) : fd_(fd) {
  int result;
  do {
    result = ::flock(fd_, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  locked_ = result == 0;
}

FileLock::~FileLock() {
  if (locked_) ::flock(fd_, LOCK_UN);
}

std::optional<std::string> ReadSmallFile(int fd, size_t maxBytes) {
  std::string content;
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return content;
    if (content.size() + static_cast<size_t>(n) > maxBytes) return std::nullopt;
    content.append(buffer, static_cast<size_t>(n));
  }
}

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path, size_t maxBytes) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  return ReadSmallFile(fd.get(), maxBytes);
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(random());
  UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (!fd.valid()) return false;
  bool ok = WriteAll(fd.get(), content);
  fd.reset();
  if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

SocketAddress::SocketAddress(const std::filesystem::path& path) {
  address_.sun_family = AF_UNIX;
  std::string target = path.string();
  if (target.size() >= sizeof address_.sun_path) {
    folder_.reset(::open(path.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder_.valid()) return;
    target = "/proc/self/fd/" + std::to_string(folder_.get()) + "/" + path.filename().string();
    if (target.size() >= sizeof address_.sun_path) return;
  }
  std::memcpy(address_.sun_path, target.c_str(), target.size() + 1);
  length_ = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + target.size() + 1);
}

}  // namespace ce::internal
