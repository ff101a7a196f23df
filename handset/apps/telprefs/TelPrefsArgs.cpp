#include "TelPrefsArgs.h"

#include <cstdint>

namespace telhub {

std::optional<HWND> ParseTelPrefsArgs(const std::wstring& parameters) {
  if (parameters.empty()) return static_cast<HWND>(nullptr);
  if (parameters.rfind(L"-p ", 0) != 0) return std::nullopt;
  std::wstring digits = parameters.substr(3);
  bool negative = !digits.empty() && digits[0] == L'-';
  if (negative) digits.erase(0, 1);
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  if (negative) value = -value;
  if (value > UINT32_MAX || value < INT32_MIN) return std::nullopt;
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<uint32_t>(value)));
}

}  // namespace telhub
