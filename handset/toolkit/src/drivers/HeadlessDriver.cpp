#include "drivers/HeadlessDriver.h"

#include <poll.h>

#include "ce/window_registry.h"

namespace qzfc {

// Only messages from other processes can arrive while headless; the loop
// calls this with a zero time-out when it looks for work.
void HeadlessDriver::Wait(int timeoutMs) {
  int fd = ce::ForeignMessageFd();
  if (fd < 0) return;
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, timeoutMs < 0 ? 0 : timeoutMs) > 0) ce::PumpForeignMessages();
}

}  // namespace qzfc
