// The process's table of kernel-style handles (files, searches, message
// queues, registry keys, ...). A service defines one HandleKind for its
// objects and keeps each object behind a shared pointer: closing a handle
// drops the table's reference, and the object's destructor releases what it
// holds once the last user is done. Handle values are small (they fit in
// 32 bits), never 0 or INVALID_HANDLE_VALUE, and are not reused while the
// process runs, so a stale handle is refused rather than reaching another object.
#pragma once

#include <memory>

#include "ce/lasterror.h"
#include "ce/types.h"

namespace ce {

// Identity by address: define one per kind, e.g.
//   const ce::HandleKind kQueueHandle{"message queue"};
struct HandleKind {
  const char* name;
};

// A new handle for the object; nullptr when the table is full.
HANDLE OpenHandle(const HandleKind& kind, std::shared_ptr<void> object);

// The object behind a handle of that kind, or null (wrong kind, closed, bogus).
std::shared_ptr<void> FindHandle(HANDLE handle, const HandleKind& kind);

template <class T>
std::shared_ptr<T> FindHandleAs(HANDLE handle, const HandleKind& kind) {
  return std::static_pointer_cast<T>(FindHandle(handle, kind));
}

// Closes a handle of that kind only; false for any other handle.
bool CloseHandleOfKind(HANDLE handle, const HandleKind& kind);

}  // namespace ce

// Closes a handle of any kind; FALSE with ERROR_INVALID_HANDLE for a handle
// that is not open.
BOOL CloseHandle(HANDLE handle);
