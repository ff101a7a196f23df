// The demo store: a realistic, reproducible address book (Chinese and Latin
// names, groups, photos, e-mail, addresses), speed-dial entries and a year of
// calls. `vornactl seed` fills a store with it, and the phone host seeds a
// small one on its first start on an empty device, so a new user sees a
// phone in use. The same arguments on an empty store give the same store.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorna::device {

struct DemoStoreResult {
  bool available = false;  // the store could be opened
  bool complete = false;   // every write succeeded
  size_t contacts = 0;
  long calls = 0;
};

DemoStoreResult SeedDemoStore(long contacts, long calls, uint64_t seed);

// True when the store holds neither contacts nor calls (false when it
// cannot be opened: nothing should be seeded then).
bool IsStoreEmpty();

// The size of the store the host seeds on first start.
inline constexpr long kFirstStartContacts = 300;
inline constexpr long kFirstStartCalls = 600;

}  // namespace vorna::device
