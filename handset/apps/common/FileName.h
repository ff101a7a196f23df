// The file name of a handset path, as the applets show what they attach or
// send. Header only, so that the components linking just the texts' library
// (the Bluetooth applet) use it too.
#pragma once

#include <string>

namespace telhub {

// What follows the path's last \ or /: "\My Documents\Ann.vcf" gives "Ann.vcf".
inline std::wstring FileName(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace telhub
