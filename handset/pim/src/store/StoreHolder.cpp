#include "store/StoreHolder.h"

#include <mutex>

#include "ce/device.h"
#include "qzpam/StoreProblem.h"

namespace qzpam {
namespace {

std::mutex g_mutex;
std::shared_ptr<Store> g_store;
bool g_refused = false;
std::string g_problem;

void DropStore() {
  std::lock_guard lock(g_mutex);
  g_store.reset();
  g_refused = false;
  g_problem.clear();
}

}  // namespace

std::shared_ptr<Store> StoreHolder::Get() {
  static std::once_flag hooked;
  std::call_once(hooked, [] { ce::OnDeviceRootReset(DropStore); });
  std::lock_guard lock(g_mutex);
  if (!g_store && !g_refused) {
    g_store = Store::Open(Store::FileUnder(ce::DeviceRoot()), &g_problem);
    g_refused = !g_store;
  }
  return g_store;
}

std::string StoreProblem() {
  if (StoreHolder::Get()) return {};
  std::lock_guard lock(g_mutex);
  return g_problem.empty() ? "it cannot be opened" : g_problem;
}

}  // namespace qzpam
