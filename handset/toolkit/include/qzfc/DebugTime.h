// CDebugTime: a timing scope. Constructed with a label, it writes the label
// and the time elapsed since construction to the debug output when it is
// destroyed, e.g. "CContactWnd::CalAlphabetMap(): 12.345 ms".
#pragma once

#include <chrono>
#include <string>

#include "ce/types.h"

class CDebugTime {
 public:
  explicit CDebugTime(LPCWSTR label);
  ~CDebugTime();
  CDebugTime(const CDebugTime&) = delete;
  CDebugTime& operator=(const CDebugTime&) = delete;

 private:
  std::wstring label_;
  std::chrono::steady_clock::time_point start_;
};
