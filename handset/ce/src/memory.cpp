#include "ce/memory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

std::mutex g_mutex;

std::unordered_map<void*, SIZE_T>& Blocks() {
  static auto* blocks = new std::unordered_map<void*, SIZE_T>;  // outlives static destructors
  return *blocks;
}

constexpr UINT kKnownFlags = LMEM_MOVEABLE | LMEM_NOCOMPACT | LMEM_NODISCARD | LMEM_ZEROINIT;

}  // namespace

namespace ce {

bool LocalBlockSize(HLOCAL block, SIZE_T& size) {
  std::lock_guard lock(g_mutex);
  auto it = Blocks().find(block);
  if (it == Blocks().end()) return false;
  size = it->second;
  return true;
}

}  // namespace ce

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
  if (flags & ~kKnownFlags) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  void* block = bytes <= ce::kMaxLocalBlock ? std::malloc(bytes > 0 ? bytes : 1) : nullptr;
  if (!block) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (flags & LMEM_ZEROINIT) std::memset(block, 0, bytes);
  std::lock_guard lock(g_mutex);
  Blocks()[block] = bytes;
  return block;
}

HLOCAL LocalFree(HLOCAL block) {
  if (!block) return nullptr;
  {
    std::lock_guard lock(g_mutex);
    if (Blocks().erase(block) == 0) {
      SetLastError(ERROR_INVALID_HANDLE);
      return block;
    }
  }
  std::free(block);
  return nullptr;
}

SIZE_T LocalSize(HLOCAL block) {
  SIZE_T size = 0;
  if (!ce::LocalBlockSize(block, size)) SetLastError(ERROR_INVALID_HANDLE);
  return size;
}

LPVOID LocalLock(HLOCAL block) {
  SIZE_T size = 0;
  if (!ce::LocalBlockSize(block, size)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return block;
}

BOOL LocalUnlock(HLOCAL block) {
  SetLastError(ERROR_NOT_LOCKED);
  return FALSE;
}
