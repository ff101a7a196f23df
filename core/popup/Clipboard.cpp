#include "core/popup/Clipboard.h"

#include <cwchar>

#include "ce/clipboard.h"

BOOL CopyTextToClipboard(LPCWSTR text) {
  if (!OpenClipboard(nullptr)) return FALSE;
  EmptyClipboard();
  const size_t length = text ? std::wcslen(text) : 0;
  BOOL stored = length == 0;
  // Only a text worth keeping gets a block; the clipboard owns it once
  // SetClipboardData accepts it, and a refused block is freed here.
  if (length > 0) {
    auto* block = static_cast<wchar_t*>(LocalAlloc(LMEM_MOVEABLE, (length + 1) * sizeof(wchar_t)));
    if (block) {
      std::wmemcpy(block, text, length + 1);
      stored = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
      if (!stored) LocalFree(block);
    }
  }
  CloseClipboard();
  return stored;
}
