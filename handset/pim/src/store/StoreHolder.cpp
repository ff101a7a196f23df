#include "store/StoreHolder.h"

#include <mutex>

#include "ce/device.h"

namespace qzpam {
namespace {

std::mutex g_mutex;
std::shared_ptr<Store> g_store;
bool g_refused = false;

void DropStore() {
  std::lock_guard lock(g_mutex);
  g_store.reset();
  g_refused = false;
}

}  // namespace

std::shared_ptr<Store> StoreHolder::Get() {
  static std::once_flag hooked;
  std::call_once(hooked, [] { ce::OnDeviceRootReset(DropStore); });
  std::lock_guard lock(g_mutex);
  if (!g_store && !g_refused) {
    g_store = Store::Open(Store::FileUnder(ce::DeviceRoot()));
    g_refused = !g_store;
  }
  return g_store;
}

}  // namespace qzpam
