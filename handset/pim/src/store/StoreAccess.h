// Runs one operation of the data library on the open store, under the
// store's lock; without a store the operation gives its fallback result.
// WriteToStore does the same for a change, as one write transaction.
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

// Runs body(store) in one write transaction (see Store::Write); false
// without a store.
template <typename Body>
bool WriteToStore(Body&& body, Durability durability = Durability::Synced) {
  return WithStore(false, [&](Store& store) { return store.Write([&] { return body(store); }, durability); });
}

}  // namespace qzpam
