// Runs one operation of the data library on the open store, under the
// store's lock; without a store the operation gives its fallback result.
#pragma once

#include <mutex>

#include "store/StoreHolder.h"

namespace qzpam {

template <typename Result, typename Operation>
Result WithStore(Result fallback, Operation&& operation) {
  std::shared_ptr<Store> store = StoreHolder::Get();
  if (!store) return fallback;
  std::lock_guard lock(store->mutex());
  return operation(*store);
}

}  // namespace qzpam
