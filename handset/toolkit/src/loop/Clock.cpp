#include "qzfc/Clock.h"

#include <atomic>
#include <chrono>

namespace qzfc {
namespace {

std::atomic<bool> g_virtual{true};
std::atomic<DWORD> g_virtualNow{0};

DWORD RealNow() {
  static const auto start = std::chrono::steady_clock::now();
  auto elapsed = std::chrono::steady_clock::now() - start;
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace

DWORD Clock::Now() { return g_virtual ? g_virtualNow.load() : RealNow(); }
bool Clock::IsVirtual() { return g_virtual; }
void Clock::SetVirtual(bool isVirtual) { g_virtual = isVirtual; }
void Clock::SetVirtualNow(DWORD now) { g_virtualNow = now; }

}  // namespace qzfc
