// The run folder's shared files (window entries, the registered message
// table) can be written by any process on the root: any bytes must parse to
// a refusal or to well-formed values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

#include "message_table.h"
#include "window_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);

  std::map<std::wstring, UINT> ids;
  UINT highest = ce::internal::ParseMessageTable(text, ids);
  for (const auto& [name, id] : ids)
    if (id < ce::internal::kFirstMessageId || id > highest) std::abort();

  if (auto window = ce::internal::ParseWindowEntry(0x10000, text)) {
    if (window->pid <= 0 || window->socketName.empty() || window->socketName.find('/') != std::string::npos)
      std::abort();
  }
  return 0;
}
