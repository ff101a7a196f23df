// One message queue shared by the processes of a device root: a ring of
// fixed-size slots in a memory-mapped file under <root>/run/, guarded by a
// process-shared robust mutex, with condition variables for waiting readers
// and writers.
//
// Each handle opens the file itself and marks its presence with open file
// description locks on single bytes of the file: byte 0 serialises opening,
// byte 1 is held shared by every handle, byte 2 by every read end and byte 3
// by every write end. Locks vanish with their holder, so a crashed process
// never leaves a queue looking opened, read or written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "run_files.h"

namespace ce::internal {

struct QueueHeader;

struct QueueLimits {
  uint32_t maxMessages;
  uint32_t maxMessageBytes;
  uint32_t flags;
};

enum class QueueStatus { Ok, Timeout, TooLarge, BufferTooSmall, Broken, Corrupt };

struct QueueInfo {
  QueueLimits limits;
  uint32_t current;
  uint32_t peak;
  uint32_t readers;
  uint32_t writers;
};

class SharedQueue {
 public:
  // Opens or creates the queue file; null when it cannot. *existed tells
  // whether the queue was already open elsewhere (its limits then hold).
  static std::unique_ptr<SharedQueue> Open(const std::filesystem::path& file, const QueueLimits& limits, bool readEnd,
                                           bool* existed);
  ~SharedQueue();
  SharedQueue(const SharedQueue&) = delete;
  SharedQueue& operator=(const SharedQueue&) = delete;

  bool readEnd() const { return readEnd_; }

  QueueStatus Write(const void* data, uint32_t size, uint32_t flags, uint32_t timeoutMs);
  QueueStatus Read(void* buffer, uint32_t capacity, uint32_t* size, uint32_t* flags, uint32_t timeoutMs);
  QueueInfo Info();

 private:
  SharedQueue(UniqueFd fd, void* map, size_t mapSize, bool readEnd);
  uint8_t* Slot(uint32_t index) const;
  size_t SlotStride() const;
  bool OtherEndOpen() const;
  // Whether the other end is gone from a queue that needs it.
  bool Broken() const;
  // Takes the shared mutex for a read or write: Ok with the mutex held, else
  // the status to report (the other end gone, a damaged header) without it.
  QueueStatus BeginTransfer();
  // Locks the shared mutex, taking over from a holder that died.
  bool Lock();
  void Unlock();
  // Waits on `cond` until `ready`, the deadline, or the queue is broken;
  // false unless ready.
  template <typename Ready>
  bool WaitUntil(void* cond, uint32_t timeoutMs, Ready ready);

  UniqueFd fd_;
  void* map_;
  size_t mapSize_;
  QueueHeader* header_;
  // Read once at open: another process scribbling on the header must not
  // move the slots this handle reads and writes.
  QueueLimits limits_;
  bool readEnd_;
};

}  // namespace ce::internal
