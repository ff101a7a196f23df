// This process's end of cross-process window messages: a Unix datagram
// socket under <root>/run/ that other processes send posted messages to.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "run_files.h"

namespace ce::internal {

// One posted message as it travels between processes (32 bytes, host order:
// both ends run on the same machine).
struct WireMessage {
  uint32_t magic;
  uint32_t hwnd;
  uint32_t message;
  uint32_t senderPid;
  uint64_t wParam;
  int64_t lParam;
};
inline constexpr uint32_t kWireMagic = 0x314D5756;  // "VWM1"

enum class SendResult { Sent, NoReceiver, Busy };

// Sends one message to the socket file `socketName` in the run folder. A
// receiver that is gone gives NoReceiver; one whose queue stays full for a
// second gives Busy.
SendResult SendWireMessage(const std::string& socketName, const WireMessage& message);

// Whether a process still listens on the socket file (a connect probe: sends nothing).
bool SocketHasReceiver(const std::string& socketName);

class MessageEndpoint {
 public:
  MessageEndpoint() = default;
  ~MessageEndpoint();
  MessageEndpoint(const MessageEndpoint&) = delete;
  MessageEndpoint& operator=(const MessageEndpoint&) = delete;

  // Binds a fresh socket in the run folder; true when open (also if already).
  bool Open();
  // Closes the socket and removes its file.
  void Close();

  int fd() const { return socket_.get(); }
  const std::string& name() const { return name_; }

  // Every waiting, well-formed message, in arrival order.
  std::vector<WireMessage> Drain();

 private:
  UniqueFd socket_;
  std::string name_;
  std::filesystem::path path_;
};

}  // namespace ce::internal
