// The host's own command line when another program starts it to dial:
// "-k NUMBER".
#pragma once

#include <string>

namespace telhub {

// The number, trimmed of blanks, or empty when the string is not of that form.
std::wstring ParseDialParameters(const std::wstring& parameters);

}  // namespace telhub
