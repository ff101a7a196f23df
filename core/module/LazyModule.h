// A module handle opened on first use and kept for the life of the library.
#pragma once

#include <atomic>
#include <functional>

#include "ce/types.h"

class LazyModule {
 public:
  using Opener = std::function<HMODULE()>;
  explicit LazyModule(Opener open) : open_(std::move(open)) {}

  // The kept handle; otherwise opens it now. A failed open keeps nothing, so
  // the next call tries again (a satellite copied in later is found then).
  HMODULE Get();

 private:
  Opener open_;
  // Read from any thread that loads a string; the first opener wins.
  std::atomic<HMODULE> handle_{nullptr};
};
