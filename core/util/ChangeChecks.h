// Watching the data library's change counters, so that a window reloads its
// list only when contacts or calls changed (in this process or another).
#pragma once

// True when the store's call counter differs from `cache`, which then takes
// its value; false when equal or when the store is unavailable.
bool CallsChanged(int& cache);

// The same for the counter of contacts and groups.
bool ContactsChanged(int& cache);

// Makes `cache` the store's current call counter (unchanged when the store
// is unavailable), so that the next CallsChanged sees only later changes.
void SyncCallsChangeCount(int& cache);
