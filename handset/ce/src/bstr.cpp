#include "ce/bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// The byte length must fit its 32-bit prefix; texts beyond that are refused.
constexpr size_t kMaxBytes = UINT32_MAX - sizeof(uint32_t) - sizeof(OLECHAR);

uint32_t* Prefix(BSTR text) { return reinterpret_cast<uint32_t*>(text) - 1; }

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  if (length > kMaxBytes / sizeof(OLECHAR)) return nullptr;
  size_t bytes = static_cast<size_t>(length) * sizeof(OLECHAR);
  void* block = std::malloc(sizeof(uint32_t) + bytes + sizeof(OLECHAR));
  if (!block) return nullptr;
  auto* prefix = static_cast<uint32_t*>(block);
  *prefix = static_cast<uint32_t>(bytes);
  auto* chars = reinterpret_cast<OLECHAR*>(prefix + 1);
  if (text) {
    std::memcpy(chars, text, bytes);
  } else {
    std::memset(chars, 0, bytes);
  }
  chars[length] = 0;
  return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  size_t length = std::wcslen(text);
  if (length > UINT32_MAX) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(length));
}

void SysFreeString(BSTR text) {
  if (text) std::free(Prefix(text));
}

UINT SysStringByteLen(BSTR text) { return text ? *Prefix(text) : 0; }

UINT SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(OLECHAR); }
