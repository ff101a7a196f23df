#include "qzpam/StoreBatch.h"

#include "store/StoreHolder.h"

namespace qzpam {

StoreBatch::StoreBatch() : store_(StoreHolder::Get()) {
  if (!store_) return;
  store_->mutex().lock();
  active_ = store_->BeginBatch();
  if (!active_) store_->mutex().unlock();
}

StoreBatch::~StoreBatch() { Commit(); }

bool StoreBatch::Commit() {
  if (!active_) return true;
  active_ = false;
  bool committed = store_->EndBatch();
  store_->mutex().unlock();
  return committed;
}

}  // namespace qzpam
