// Any text as a phone number: the region key parser decides or gives up
// without reading past the number, and the lookup hands out a string only
// when it says so.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <filesystem>

#include "ce/bstr.h"
#include "ce/device.h"
#include "contactdata/RegionKey.h"
#include "contactdata/RegionLookup.h"

// The lookup reads the phone settings: keep them in a root of the run's own.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string root = (std::filesystem::temp_directory_path() / "vorna-region-fuzz-XXXXXX").string();
  if (mkdtemp(root.data())) ce::SetDeviceRoot(root);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 40000) return 0;
  // Wide text four bytes at a time, and the bytes widened one by one.
  std::wstring text;
  for (size_t i = 0; i + 4 <= size; i += 4)
    text += static_cast<wchar_t>(data[i] | data[i + 1] << 8 | data[i + 2] << 16 | (data[i + 3] & 0x7F) << 24);
  const std::wstring bytes(data, data + size);

  for (const std::wstring& number : {text, bytes}) {
    const RegionKey key = ParseRegionKey(number);
    if (key.kind == RegionKey::KEY && (key.key == 0 || key.key > 9999999 || key.key < -999999)) std::abort();
    if (key.kind != RegionKey::KEY && key.key != 0) std::abort();
    wchar_t* region = nullptr;
    const bool found = GetPNRegionInfo(number.c_str(), &region);
    if (found != (region != nullptr)) std::abort();
    SysFreeString(region);
  }
  return 0;
}
