// The folder <root>/run/windows/ that lets processes on one root find each
// other's top-level windows: one small file per published window, named by
// its handle in hexadecimal, holding one line
//   pid <TAB> socket file name <TAB> class name (UTF-8, escaped)
// An entry whose process no longer listens on its socket is stale; lookups
// remove such entries (and the socket file) as they meet them.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ce::internal {

struct PublishedWindow {
  uint32_t handle = 0;
  pid_t pid = 0;
  std::string socketName;
  std::wstring className;
};

// The entry file's text read back; nullopt when malformed.
std::optional<PublishedWindow> ParseWindowEntry(uint32_t handle, std::string_view text);

bool PublishWindow(const PublishedWindow& window);
void WithdrawWindow(uint32_t handle);

// The live entry for a handle, if any.
std::optional<PublishedWindow> LookupPublishedWindow(uint32_t handle);

// The newest live entry with this class (compared without case), skipping
// those of the socket `ownSocket` (this process's windows are searched first
// from memory).
std::optional<PublishedWindow> FindPublishedWindow(std::wstring_view className, const std::string& ownSocket);

// Removes an entry and its socket file after its process was found gone.
void ForgetDeadWindow(const PublishedWindow& window);

}  // namespace ce::internal
