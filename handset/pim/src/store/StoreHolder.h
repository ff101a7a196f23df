// The process's one connection to the store under the current device root.
// Opened on first use; dropped when the process is pointed at another root
// (ce::SetDeviceRoot), so the next use opens the store there.
#pragma once

#include <memory>

#include "store/Store.h"

namespace qzpam {

class StoreHolder {
 public:
  // The open store, or null when it cannot be opened. A refusal is
  // remembered until the root changes, so a damaged file is reported once.
  static std::shared_ptr<Store> Get();
};

}  // namespace qzpam
