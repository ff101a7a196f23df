// Local memory blocks. Every block is fixed: LocalAlloc returns a pointer
// that is the block's address whatever the flags, so callers that ask for
// LMEM_MOVEABLE and write through the handle directly work as well.
// The process keeps a list of its live blocks, so LocalFree and LocalSize
// refuse a pointer that is not one instead of corrupting the heap.
#pragma once

#include "ce/lasterror.h"
#include "ce/types.h"

#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_NOCOMPACT 0x0010
#define LMEM_NODISCARD 0x0020
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)

#ifndef ERROR_NOT_LOCKED
#define ERROR_NOT_LOCKED 158L
#endif

// NULL with ERROR_NOT_ENOUGH_MEMORY when out of memory or over the size
// limit, ERROR_INVALID_PARAMETER for unknown flags.
HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
// NULL on success; the block itself, with ERROR_INVALID_HANDLE, when it is
// not a live block.
HLOCAL LocalFree(HLOCAL block);
// The size asked for at allocation; 0 (ERROR_INVALID_HANDLE) for anything else.
SIZE_T LocalSize(HLOCAL block);
// A fixed block is its own address: LocalLock returns it, and LocalUnlock
// reports FALSE with ERROR_NOT_LOCKED, as for fixed blocks on CE.
LPVOID LocalLock(HLOCAL block);
BOOL LocalUnlock(HLOCAL block);

namespace ce {

// The largest block LocalAlloc hands out.
inline constexpr SIZE_T kMaxLocalBlock = SIZE_T{1} << 30;

// Whether the pointer is a live block, and its size.
bool LocalBlockSize(HLOCAL block, SIZE_T& size);

}  // namespace ce
