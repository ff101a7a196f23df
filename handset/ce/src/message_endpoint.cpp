#include "message_endpoint.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace ce::internal {
namespace {

UniqueFd NewDatagramSocket() {
  return UniqueFd(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
}

}  // namespace

SendResult SendWireMessage(const std::string& socketName, const WireMessage& message) {
  std::filesystem::path dir = RunDir();
  if (dir.empty()) return SendResult::NoReceiver;
  SocketAddress address(dir / socketName);
  UniqueFd sender = NewDatagramSocket();
  if (!address.valid() || !sender.valid()) return SendResult::NoReceiver;
  // A receiver may hold only a few datagrams before it pumps; give it a
  // moment to catch up instead of dropping the message, but never hang on a
  // receiver that has stopped reading.
  timeval timeout{1, 0};
  ::setsockopt(sender.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  for (;;) {
    ssize_t n = ::sendto(sender.get(), &message, sizeof message, MSG_NOSIGNAL, address.get(), address.length());
    if (n == static_cast<ssize_t>(sizeof message)) return SendResult::Sent;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == ENOBUFS)) return SendResult::Busy;
    return SendResult::NoReceiver;
  }
}

bool SocketHasReceiver(const std::string& socketName) {
  std::filesystem::path dir = RunDir();
  if (dir.empty()) return false;
  SocketAddress address(dir / socketName);
  UniqueFd probe = NewDatagramSocket();
  if (!address.valid() || !probe.valid()) return false;
  return ::connect(probe.get(), address.get(), address.length()) == 0;
}

MessageEndpoint::~MessageEndpoint() { Close(); }

bool MessageEndpoint::Open() {
  if (socket_.valid()) return true;
  std::filesystem::path dir = RunDir();
  if (dir.empty()) return false;
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
  std::string name = "proc-" + std::to_string(::getpid()) + "-" + suffix + ".sock";
  UniqueFd fd(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  SocketAddress address(dir / name);
  if (!fd.valid() || !address.valid()) return false;
  if (::bind(fd.get(), address.get(), address.length()) != 0) return false;
  socket_ = std::move(fd);
  name_ = name;
  path_ = dir / name;
  return true;
}

void MessageEndpoint::Close() {
  if (!socket_.valid()) return;
  socket_.reset();
  ::unlink(path_.c_str());
  name_.clear();
  path_.clear();
}

std::vector<WireMessage> MessageEndpoint::Drain() {
  std::vector<WireMessage> messages;
  if (!socket_.valid()) return messages;
  for (;;) {
    // One byte more than a message, so an oversized datagram shows as such.
    unsigned char buffer[sizeof(WireMessage) + 1];
    ssize_t n = ::recv(socket_.get(), buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return messages;
    if (n != static_cast<ssize_t>(sizeof(WireMessage))) continue;
    WireMessage message;
    std::memcpy(&message, buffer, sizeof message);
    if (message.magic == kWireMagic) messages.push_back(message);
  }
}

}  // namespace ce::internal
