#include "ce/handles.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace ce {
namespace {

struct Entry {
  const HandleKind* kind;
  std::shared_ptr<void> object;
};

// Values step by 4 from here, like the handles of the handset's kernel.
constexpr uint32_t kFirstValue = 0x1000;
constexpr uint32_t kStep = 4;

std::mutex g_mutex;
uint32_t g_next = kFirstValue;

std::unordered_map<uint32_t, Entry>& Table() {
  static auto* table = new std::unordered_map<uint32_t, Entry>;  // outlives static destructors
  return *table;
}

uint32_t ValueOf(HANDLE handle) {
  uintptr_t raw = reinterpret_cast<uintptr_t>(handle);
  return raw > UINT32_MAX ? 0 : static_cast<uint32_t>(raw);
}

// Takes the entry out of the table; the object is released by the caller,
// outside the lock, because its destructor may call back into the table.
std::shared_ptr<void> Remove(HANDLE handle, const HandleKind* kind, bool& found) {
  std::lock_guard lock(g_mutex);
  auto it = Table().find(ValueOf(handle));
  found = it != Table().end() && (!kind || it->second.kind == kind);
  if (!found) return nullptr;
  std::shared_ptr<void> object = std::move(it->second.object);
  Table().erase(it);
  return object;
}

}  // namespace

HANDLE OpenHandle(const HandleKind& kind, std::shared_ptr<void> object) {
  std::lock_guard lock(g_mutex);
  // Values run up to the 32-bit limit once and are not handed out again.
  if (g_next > UINT32_MAX - kStep) return nullptr;
  uint32_t value = g_next;
  g_next += kStep;
  Table().emplace(value, Entry{&kind, std::move(object)});
  return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value));
}

std::shared_ptr<void> FindHandle(HANDLE handle, const HandleKind& kind) {
  std::lock_guard lock(g_mutex);
  auto it = Table().find(ValueOf(handle));
  if (it == Table().end() || it->second.kind != &kind) return nullptr;
  return it->second.object;
}

bool CloseHandleOfKind(HANDLE handle, const HandleKind& kind) {
  bool found = false;
  std::shared_ptr<void> object = Remove(handle, &kind, found);
  object.reset();
  return found;
}

}  // namespace ce

BOOL CloseHandle(HANDLE handle) {
  bool found = false;
  std::shared_ptr<void> object = ce::Remove(handle, nullptr, found);
  object.reset();
  if (!found) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
