// The phone settings' command line: "-p HANDLE", the window that opened
// them, in decimal (the dial window passes its own). No parameters at all
// open the settings without an owner.
#pragma once

#include <optional>
#include <string>

#include "ce/types.h"

namespace telhub {

// The owner (null for none); nothing for another form or a handle that is
// not a decimal number of at most 32 bits (a negative one is read as the
// 32-bit pattern it stands for).
std::optional<HWND> ParseTelPrefsArgs(const std::wstring& parameters);

}  // namespace telhub
