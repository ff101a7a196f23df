// Whether this process can work on its device root at all: the root is (or
// can be made) a folder it may write, and the contacts store there opens.
// The phone host and vornactl ask before anything else, so that an unusable
// root is named on the terminal instead of looking like an empty phone.
#pragma once

#include <string>

namespace vorna::device {

// False, with one line for the user in `message`, when the root or its
// store cannot be used. A damaged or newer store is left as it is.
bool CheckDevice(std::string& message);

}  // namespace vorna::device
