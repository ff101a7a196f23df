// Feeds arbitrary bytes through the code page conversions both ways, and the
// decoded text through path resolution and the number reader. The first byte
// picks the code page. Checks what must hold for any input: conversions agree
// with their size queries, and a resolved path never leaves the device root.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "windows.h"

namespace {

const std::filesystem::path& FuzzRoot() {
  static const std::filesystem::path root = [] {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "vorna-ce-fuzz";
    std::filesystem::create_directories(dir / "Windows");
    ce::SetDeviceRoot(dir);
    return ce::DeviceRoot();
  }();
  return root;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& root = FuzzRoot();
  if (size < 1 || size > 4096) return 0;
  static constexpr UINT kPages[] = {936, CP_UTF8, 1252, CP_ACP};
  UINT page = kPages[data[0] % 4];
  DWORD flags = (data[0] & 0x10) ? MB_ERR_INVALID_CHARS : 0;
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  int length = static_cast<int>(size - 1);
  if (length == 0) return 0;

  int needed = MultiByteToWideChar(page, flags, bytes, length, nullptr, 0);
  if (needed <= 0) return 0;
  std::vector<wchar_t> wide(static_cast<size_t>(needed) + 1, 0);
  Check(MultiByteToWideChar(page, flags, bytes, length, wide.data(), needed) == needed);
  if (needed > 1) Check(MultiByteToWideChar(page, flags, bytes, length, wide.data(), needed - 1) == 0);

  int back = WideCharToMultiByte(page, 0, wide.data(), needed, nullptr, 0, nullptr, nullptr);
  Check(back > 0);
  std::string encoded(static_cast<size_t>(back), '\0');
  Check(WideCharToMultiByte(page, 0, wide.data(), needed, encoded.data(), back, nullptr, nullptr) == back);

  std::filesystem::path resolved;
  if (ce::ResolveCePath(std::wstring_view(wide.data(), static_cast<size_t>(needed)), resolved)) {
    auto relative = resolved.lexically_relative(root);
    Check(!relative.empty() && *relative.begin() != "..");
    GetFileAttributesW(wide.data());
  }
  _wtol(wide.data());
  return 0;
}
