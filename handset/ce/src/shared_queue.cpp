#include "shared_queue.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <new>

#include "ce/msgqueue.h"

namespace ce::internal {

struct QueueHeader {
  uint32_t magic;
  uint32_t version;
  uint32_t maxMessages;
  uint32_t maxMessageBytes;
  uint32_t flags;
  uint32_t head;
  uint32_t count;
  uint32_t peak;
  uint32_t readers;
  uint32_t writers;
  pthread_mutex_t mutex;
  pthread_cond_t notEmpty;
  pthread_cond_t notFull;
};

namespace {

constexpr uint32_t kMagic = 0x3151534D;  // "MSQ1"
constexpr uint32_t kVersion = 1;
constexpr size_t kSlotsOffset = (sizeof(QueueHeader) + 63) / 64 * 64;
constexpr size_t kSlotHeader = 8;  // size and flags of the message in the slot
constexpr size_t kMaxFileBytes = 16 * 1024 * 1024 + kSlotsOffset;
// How often a waiting end looks whether the other end is still there.
constexpr time_t kRecheckSeconds = 1;

enum LockByte : off_t { kOpening = 0, kOpen = 1, kReaders = 2, kWriters = 3 };

size_t StrideFor(uint32_t maxMessageBytes) { return (kSlotHeader + maxMessageBytes + 7) / 8 * 8; }

size_t FileSizeFor(const QueueLimits& limits) {
  return kSlotsOffset + StrideFor(limits.maxMessageBytes) * limits.maxMessages;
}

bool LockRange(int fd, off_t byte, short type, bool wait) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = byte;
  lock.l_len = 1;
  int result;
  do {
    result = ::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

// Whether another open file description holds a lock on the byte.
bool HeldElsewhere(int fd, off_t byte) {
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  probe.l_start = byte;
  probe.l_len = 1;
  if (::fcntl(fd, F_OFD_GETLK, &probe) != 0) return false;
  return probe.l_type != F_UNLCK;
}

bool Before(const timespec& a, const timespec& b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

void InitHeader(QueueHeader* header, const QueueLimits& limits) {
  header->maxMessages = limits.maxMessages;
  header->maxMessageBytes = limits.maxMessageBytes;
  header->flags = limits.flags;
  header->head = header->count = header->peak = header->readers = header->writers = 0;

  pthread_mutexattr_t mutexAttr;
  pthread_mutexattr_init(&mutexAttr);
  pthread_mutexattr_setpshared(&mutexAttr, PTHREAD_PROCESS_SHARED);
  pthread_mutexattr_setrobust(&mutexAttr, PTHREAD_MUTEX_ROBUST);
  pthread_mutex_init(&header->mutex, &mutexAttr);
  pthread_mutexattr_destroy(&mutexAttr);

  pthread_condattr_t condAttr;
  pthread_condattr_init(&condAttr);
  pthread_condattr_setpshared(&condAttr, PTHREAD_PROCESS_SHARED);
  pthread_condattr_setclock(&condAttr, CLOCK_MONOTONIC);
  pthread_cond_init(&header->notEmpty, &condAttr);
  pthread_cond_init(&header->notFull, &condAttr);
  pthread_condattr_destroy(&condAttr);

  header->version = kVersion;
  __atomic_store_n(&header->magic, kMagic, __ATOMIC_RELEASE);
}

bool HeaderIsSound(const QueueHeader* header, size_t fileSize) {
  if (header->magic != kMagic || header->version != kVersion) return false;
  QueueLimits limits{header->maxMessages, header->maxMessageBytes, header->flags};
  if (limits.maxMessages == 0 || limits.maxMessageBytes == 0 || limits.maxMessageBytes > kMaxFileBytes ||
      limits.maxMessages > kMaxFileBytes)
    return false;
  return fileSize <= kMaxFileBytes && FileSizeFor(limits) == fileSize;
}

}  // namespace

std::unique_ptr<SharedQueue> SharedQueue::Open(const std::filesystem::path& file, const QueueLimits& limits,
                                               bool readEnd, bool* existed) {
  UniqueFd fd(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!fd.valid() || !LockRange(fd.get(), kOpening, F_WRLCK, true)) return nullptr;
  // Nobody else holds the queue open: whatever the file holds is left over
  // from handles that are gone, so the queue starts afresh with our limits.
  bool alone = LockRange(fd.get(), kOpen, F_WRLCK, false);
  size_t size = 0;
  if (alone) {
    size = FileSizeFor(limits);
    if (size > kMaxFileBytes || ::ftruncate(fd.get(), 0) != 0 || ::ftruncate(fd.get(), static_cast<off_t>(size)) != 0)
      return nullptr;
  } else {
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || info.st_size < static_cast<off_t>(kSlotsOffset) ||
        info.st_size > static_cast<off_t>(kMaxFileBytes))
      return nullptr;
    size = static_cast<size_t>(info.st_size);
  }
  void* map = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd.get(), 0);
  if (map == MAP_FAILED) return nullptr;
  auto* header = static_cast<QueueHeader*>(map);
  if (alone) {
    InitHeader(header, limits);
  } else if (!HeaderIsSound(header, size)) {
    ::munmap(map, size);
    return nullptr;
  }
  if (!LockRange(fd.get(), kOpen, F_RDLCK, false) || !LockRange(fd.get(), readEnd ? kReaders : kWriters, F_RDLCK, false)) {
    ::munmap(map, size);
    return nullptr;
  }
  std::unique_ptr<SharedQueue> queue(new SharedQueue(std::move(fd), map, size, readEnd));
  if (queue->Lock()) {
    ++(readEnd ? header->readers : header->writers);
    queue->Unlock();
  }
  LockRange(queue->fd_.get(), kOpening, F_UNLCK, false);
  if (existed) *existed = !alone;
  return queue;
}

SharedQueue::SharedQueue(UniqueFd fd, void* map, size_t mapSize, bool readEnd)
    : fd_(std::move(fd)),
      map_(map),
      mapSize_(mapSize),
      header_(static_cast<QueueHeader*>(map)),
      limits_{header_->maxMessages, header_->maxMessageBytes, header_->flags},
      readEnd_(readEnd) {}

SharedQueue::~SharedQueue() {
  // Give up this end's presence before waking the other end's waiters, so
  // that they find it gone.
  LockRange(fd_.get(), readEnd_ ? kReaders : kWriters, F_UNLCK, false);
  if (Lock()) {
    uint32_t& ends = readEnd_ ? header_->readers : header_->writers;
    if (ends > 0) --ends;
    // Wake waiters of the other end so they notice nothing more will come.
    pthread_cond_broadcast(&header_->notEmpty);
    pthread_cond_broadcast(&header_->notFull);
    Unlock();
  }
  ::munmap(map_, mapSize_);
}

uint8_t* SharedQueue::Slot(uint32_t index) const {
  return static_cast<uint8_t*>(map_) + kSlotsOffset + SlotStride() * index;
}

size_t SharedQueue::SlotStride() const { return StrideFor(limits_.maxMessageBytes); }

bool SharedQueue::OtherEndOpen() const { return HeldElsewhere(fd_.get(), readEnd_ ? kWriters : kReaders); }

bool SharedQueue::Lock() {
  int result = pthread_mutex_lock(&header_->mutex);
  if (result == EOWNERDEAD) {
    pthread_mutex_consistent(&header_->mutex);
    return true;
  }
  return result == 0;
}

void SharedQueue::Unlock() { pthread_mutex_unlock(&header_->mutex); }

template <typename Ready>
bool SharedQueue::WaitUntil(void* cond, uint32_t timeoutMs, Ready ready) {
  auto* condition = static_cast<pthread_cond_t*>(cond);
  timespec deadline{};
  clock_gettime(CLOCK_MONOTONIC, &deadline);
  deadline.tv_sec += timeoutMs / 1000;
  deadline.tv_nsec += static_cast<long>(timeoutMs % 1000) * 1000000;
  if (deadline.tv_nsec >= 1000000000) {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1000000000;
  }
  while (!ready()) {
    if (timeoutMs == 0 || Broken()) return false;
    // A peer that dies wakes nobody, so the wait looks again every so often.
    timespec until{};
    clock_gettime(CLOCK_MONOTONIC, &until);
    until.tv_sec += kRecheckSeconds;
    const bool last = timeoutMs != 0xFFFFFFFF && !Before(until, deadline);
    if (last) until = deadline;
    int result = pthread_cond_timedwait(condition, &header_->mutex, &until);
    if (result == EOWNERDEAD) pthread_mutex_consistent(&header_->mutex);
    if (result == ETIMEDOUT && last) return ready();
  }
  return true;
}

bool SharedQueue::Broken() const { return !(limits_.flags & MSGQUEUE_ALLOW_BROKEN) && !OtherEndOpen(); }

QueueStatus SharedQueue::BeginTransfer() {
  if (Broken()) return QueueStatus::Broken;
  if (!Lock()) return QueueStatus::Corrupt;
  if (header_->head < limits_.maxMessages && header_->count <= limits_.maxMessages) return QueueStatus::Ok;
  Unlock();
  return QueueStatus::Corrupt;
}

QueueStatus SharedQueue::Write(const void* data, uint32_t size, uint32_t flags, uint32_t timeoutMs) {
  if (size > limits_.maxMessageBytes) return QueueStatus::TooLarge;
  if (QueueStatus begun = BeginTransfer(); begun != QueueStatus::Ok) return begun;
  QueueHeader& h = *header_;
  QueueStatus status = QueueStatus::Timeout;
  if (WaitUntil(&h.notFull, timeoutMs, [&] { return h.count < limits_.maxMessages; })) {
    status = QueueStatus::Ok;
    uint8_t* slot = Slot((h.head + h.count) % limits_.maxMessages);
    std::memcpy(slot, &size, 4);
    std::memcpy(slot + 4, &flags, 4);
    if (size) std::memcpy(slot + kSlotHeader, data, size);
    ++h.count;
    h.peak = std::max(h.peak, h.count);
    pthread_cond_broadcast(&h.notEmpty);
  } else if (Broken()) {
    status = QueueStatus::Broken;
  }
  Unlock();
  return status;
}

QueueStatus SharedQueue::Read(void* buffer, uint32_t capacity, uint32_t* size, uint32_t* flags, uint32_t timeoutMs) {
  if (QueueStatus begun = BeginTransfer(); begun != QueueStatus::Ok) return begun;
  QueueHeader& h = *header_;
  QueueStatus status = QueueStatus::Timeout;
  if (WaitUntil(&h.notEmpty, timeoutMs, [&] { return h.count > 0; })) {
    status = QueueStatus::Ok;
    uint8_t* slot = Slot(h.head);
    uint32_t stored = 0;
    std::memcpy(&stored, slot, 4);
    std::memcpy(flags, slot + 4, 4);
    *size = stored;
    if (stored > limits_.maxMessageBytes) {
      status = QueueStatus::Corrupt;
    } else if (stored > capacity || (stored && !buffer)) {
      status = QueueStatus::BufferTooSmall;
    } else {
      if (stored) std::memcpy(buffer, slot + kSlotHeader, stored);
      h.head = (h.head + 1) % limits_.maxMessages;
      --h.count;
      pthread_cond_broadcast(&h.notFull);
    }
  } else if (Broken()) {
    status = QueueStatus::Broken;
  }
  Unlock();
  return status;
}

QueueInfo SharedQueue::Info() {
  QueueInfo info{};
  if (!Lock()) return info;
  const QueueHeader& h = *header_;
  info = {limits_, h.count, h.peak, h.readers, h.writers};
  Unlock();
  return info;
}

}  // namespace ce::internal
