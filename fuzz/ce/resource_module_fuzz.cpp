// Resource module files come from the device's folders: any bytes must give
// a refusal or a module whose every entry lies inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ce/resource_module.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto* begin = reinterpret_cast<const std::byte*>(data);
  auto module = ce::ResourceModule::Parse(std::vector<std::byte>(begin, begin + size));
  if (!module) return 0;
  size_t total = 0;
  for (const auto& entry : module->entries()) {
    auto bytes = module->Find(entry.type, entry.id);
    if (bytes.size() != entry.size) std::abort();
    for (std::byte b : bytes) total += static_cast<size_t>(b);
  }
  return total == SIZE_MAX ? 1 : 0;
}
