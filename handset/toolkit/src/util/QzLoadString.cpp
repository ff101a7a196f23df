#include "ce/modules.h"
#include "qzfc/QzResources.h"

CQzStringW QzLoadString(UINT id, HMODULE module) {
  if (!module) return CQzStringW();
  // With no buffer, LoadStringW lends the module's own text and its length,
  // so strings of any length arrive whole.
  LPCWSTR text = nullptr;
  int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return CQzStringW();
  return CQzStringW(text, length);
}
