#include "qzfc/DebugTime.h"

#include "ce/debug.h"

CDebugTime::CDebugTime(LPCWSTR label)
    : label_(label ? label : L"(unnamed)"), start_(std::chrono::steady_clock::now()) {}

CDebugTime::~CDebugTime() {
  // Real time, not the toolkit's clock: the scope measures work done, which
  // a virtual clock in a test would not see.
  auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_);
  long long us = elapsed.count();
  NKDbgPrintfW(L"%s: %lld.%03lld ms\n", label_.c_str(), us / 1000, us % 1000);
}
