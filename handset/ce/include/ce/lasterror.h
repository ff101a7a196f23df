// The calling thread's last error code, as the CE services report failures.
#pragma once

#include "ce/types.h"

DWORD GetLastError();
void SetLastError(DWORD error);

namespace ce {

// Sets the last error and returns the failure value given, for one-line
// failure returns: `return ce::Fail(ERROR_INVALID_HANDLE, FALSE);`
template <class T>
T Fail(DWORD error, T result) {
  SetLastError(error);
  return result;
}

}  // namespace ce
