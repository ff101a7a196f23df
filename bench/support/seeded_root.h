// Stores at benchmark sizes, seeded by `vornactl seed` under the temporary
// folder: each size is made once per run and removed when the run ends.
#pragma once

#include <filesystem>

namespace vorna::bench {

// Points the process at a device root whose store holds this many seeded
// contacts and calls, and returns it.
const std::filesystem::path& UseSeededRoot(int contacts, int calls);

// Points the process at an empty device root (no store until something opens
// one), and returns it.
const std::filesystem::path& UseEmptyRoot();

}  // namespace vorna::bench
