#include "calllog/model/CallableNumber.h"

namespace {

constexpr wchar_t kFieldSeparator = L'\u2593';

}  // namespace

bool IsCallableNumber(const qzu::string& number) {
  if (number.empty() || number.length() > kMaxCallableNumberLength) return false;
  for (wchar_t c : number)
    if (c < 0x20 || c == 0x7F || c == kFieldSeparator) return false;
  return true;
}
