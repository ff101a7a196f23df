#include "ce/resource_module.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ce {
namespace {

constexpr size_t kHeaderBytes = 12;
constexpr size_t kEntryBytes = 16;
constexpr char kMagic[4] = {'V', 'R', 'E', 'S'};

uint32_t ReadU32(const std::byte* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
         static_cast<uint32_t>(at[3]) << 24;
}

uint16_t ReadU16(const std::byte* at) {
  return static_cast<uint16_t>(static_cast<uint16_t>(at[0]) | static_cast<uint16_t>(at[1]) << 8);
}

void AppendU32(std::vector<std::byte>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::byte>((value >> shift) & 0xFF));
}

// Entries are ordered by type, then id.
template <class Entry>
bool Before(const Entry& a, const Entry& b) {
  return a.type != b.type ? a.type < b.type : a.id < b.id;
}

// Whether two entries share data bytes. Every string is decoded when a
// module loads, so shared bytes would let a small file stand for a huge one.
bool DataOverlaps(const std::vector<ResourceModule::Index>& index) {
  std::vector<std::pair<uint64_t, uint64_t>> ranges;
  ranges.reserve(index.size());
  for (const auto& entry : index)
    if (entry.size > 0) ranges.emplace_back(entry.offset, static_cast<uint64_t>(entry.offset) + entry.size);
  std::sort(ranges.begin(), ranges.end());
  for (size_t i = 1; i < ranges.size(); ++i)
    if (ranges[i].first < ranges[i - 1].second) return true;
  return false;
}

}  // namespace

std::optional<ResourceModule> ResourceModule::Parse(std::vector<std::byte> bytes) {
  if (bytes.size() < kHeaderBytes || bytes.size() > kMaxResourceModuleBytes) return std::nullopt;
  if (std::memcmp(bytes.data(), kMagic, 4) != 0) return std::nullopt;
  if (ReadU16(bytes.data() + 4) != kResourceModuleVersion || ReadU16(bytes.data() + 6) != 0) return std::nullopt;
  uint64_t count = ReadU32(bytes.data() + 8);
  if (count > (bytes.size() - kHeaderBytes) / kEntryBytes) return std::nullopt;
  ResourceModule module;
  module.index_.reserve(count);
  for (uint64_t i = 0; i < count; ++i) {
    const std::byte* at = bytes.data() + kHeaderBytes + i * kEntryBytes;
    Index entry{ReadU32(at), ReadU32(at + 4), ReadU32(at + 8), ReadU32(at + 12)};
    if (static_cast<uint64_t>(entry.offset) + entry.size > bytes.size()) return std::nullopt;
    if (!module.index_.empty() && !Before(module.index_.back(), entry)) return std::nullopt;
    module.index_.push_back(entry);
  }
  if (DataOverlaps(module.index_)) return std::nullopt;
  module.bytes_ = std::move(bytes);
  return module;
}

std::span<const std::byte> ResourceModule::Find(uint32_t type, uint32_t id) const {
  Index key{type, id, 0, 0};
  auto it = std::lower_bound(index_.begin(), index_.end(), key, Before<Index>);
  if (it == index_.end() || it->type != type || it->id != id) return {};
  return std::span<const std::byte>(bytes_).subspan(it->offset, it->size);
}

std::optional<std::vector<std::byte>> PackResourceModule(std::vector<ResourceEntry> entries) {
  std::sort(entries.begin(), entries.end(), Before<ResourceEntry>);
  uint64_t total = kHeaderBytes + kEntryBytes * static_cast<uint64_t>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i > 0 && !Before(entries[i - 1], entries[i])) return std::nullopt;  // the same (type, id) twice
    total += entries[i].data.size();
  }
  if (total > kMaxResourceModuleBytes) return std::nullopt;

  std::vector<std::byte> out;
  out.reserve(total);
  for (char c : kMagic) out.push_back(static_cast<std::byte>(c));
  out.push_back(static_cast<std::byte>(kResourceModuleVersion & 0xFF));
  out.push_back(static_cast<std::byte>(kResourceModuleVersion >> 8));
  out.push_back(std::byte{0});
  out.push_back(std::byte{0});
  AppendU32(out, static_cast<uint32_t>(entries.size()));
  uint32_t offset = static_cast<uint32_t>(kHeaderBytes + kEntryBytes * entries.size());
  for (const ResourceEntry& entry : entries) {
    AppendU32(out, entry.type);
    AppendU32(out, entry.id);
    AppendU32(out, offset);
    AppendU32(out, static_cast<uint32_t>(entry.data.size()));
    offset += static_cast<uint32_t>(entry.data.size());
  }
  for (const ResourceEntry& entry : entries) out.insert(out.end(), entry.data.begin(), entry.data.end());
  return out;
}

}  // namespace ce
