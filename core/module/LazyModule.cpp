#include "core/module/LazyModule.h"

HMODULE LazyModule::Get() {
  if (HMODULE kept = handle_.load(std::memory_order_acquire)) return kept;
  HMODULE opened = open_();
  if (!opened) return nullptr;
  HMODULE expected = nullptr;
  // Another thread may have opened it meanwhile; loading a data module twice
  // gives the same handle, so either result is the one to keep.
  if (!handle_.compare_exchange_strong(expected, opened, std::memory_order_acq_rel)) return expected;
  return opened;
}
