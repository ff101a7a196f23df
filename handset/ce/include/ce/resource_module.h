// The resource module file: strings and pictures that a program loads by
// numeric id (LoadLibraryExW with LOAD_LIBRARY_AS_DATAFILE, then LoadStringW
// or ce::FindResourceBytes). tools/resc writes these files at build time.
//
// Layout, all integers little-endian:
//   0   4   magic "VRES"
//   4   2   format version, 1
//   6   2   reserved, 0
//   8   4   entry count N
//   12  16N entries, sorted by (type, id), no two alike:
//           type u32, id u32, data offset u32 (from the file's start), data size u32
//   ... data of the entries, each within the file
// A string is an entry of type RT_STRING (6) holding the text as UTF-8,
// without terminator. Any other type holds bytes as given (pictures: SVG).
// A file is read whole and checked before use; anything out of bounds,
// unsorted, sharing data bytes with another entry or of another version
// is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ce {

struct ResourceEntry {
  uint32_t type = 0;
  uint32_t id = 0;
  std::vector<std::byte> data;
};

inline constexpr uint16_t kResourceModuleVersion = 1;
// Larger files are refused before they are read.
inline constexpr size_t kMaxResourceModuleBytes = 64 * 1024 * 1024;

class ResourceModule {
 public:
  // Checks and takes the file's bytes; nullopt when they are not a sound module.
  static std::optional<ResourceModule> Parse(std::vector<std::byte> bytes);

  // The bytes of one entry; empty when there is none.
  std::span<const std::byte> Find(uint32_t type, uint32_t id) const;

  struct Index {
    uint32_t type;
    uint32_t id;
    uint32_t offset;
    uint32_t size;
  };
  const std::vector<Index>& entries() const { return index_; }

 private:
  std::vector<std::byte> bytes_;
  std::vector<Index> index_;
};

// The file bytes for these entries; nullopt for duplicate (type, id) pairs or
// contents too large for the format.
std::optional<std::vector<std::byte>> PackResourceModule(std::vector<ResourceEntry> entries);

}  // namespace ce
