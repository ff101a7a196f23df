// The calling thread's last error code, as the CE services report failures.
#pragma once

#include "ce/types.h"

DWORD GetLastError();
void SetLastError(DWORD error);
