// A second process for the toolkit's tests: finds a window by class on the
// device root and posts it messages.
//   toolkit_post_helper <root> <class> <message> <count>
// Posts <message> <count> times with wParam 0, 1, 2, ...; exits 0 when all
// were posted, 1 when the window was not found, 2 when a post failed.
#include <cstdlib>
#include <string>

#include "ce/device.h"
#include "ce/window_registry.h"

int main(int argc, char** argv) {
  if (argc != 5) return 3;
  ce::SetDeviceRoot(argv[1]);
  std::string name = argv[2];
  std::wstring wide(name.begin(), name.end());
  HWND hwnd = FindWindowW(wide.c_str(), nullptr);
  if (!hwnd) return 1;
  UINT msg = static_cast<UINT>(std::strtoul(argv[3], nullptr, 0));
  int count = std::atoi(argv[4]);
  for (int i = 0; i < count; ++i)
    if (!PostMessageW(hwnd, msg, static_cast<WPARAM>(i), 0)) return 2;
  return 0;
}
