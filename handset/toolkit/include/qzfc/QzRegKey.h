// CQzRegKey: an open registry key that closes itself.
//
//   CQzRegKey key;
//   DWORD value = 0;
//   if (key.Open(HKEY_CURRENT_USER, L"ControlPanel\\Volume") && key.QueryValue(L"Key", value)) ...
//
// Every call returns TRUE on success (not a registry error code); a failed
// query leaves its output unchanged.
#pragma once

#include "ce/registry.h"
#include "ce/types.h"
#include "qzfc/QzString.h"

class CQzRegKey {
 public:
  CQzRegKey() = default;
  ~CQzRegKey() { Close(); }
  CQzRegKey(const CQzRegKey&) = delete;
  CQzRegKey& operator=(const CQzRegKey&) = delete;

  // Opens an existing key (closing the one held before). FALSE when it does
  // not exist or cannot be opened.
  BOOL Open(HKEY parent, LPCWSTR subKey, REGSAM access = KEY_ALL_ACCESS);
  void Close();
  BOOL IsOpen() const { return key_ != nullptr; }

  // A REG_DWORD value.
  BOOL QueryValue(LPCWSTR name, DWORD& value) const;
  // A REG_SZ or REG_EXPAND_SZ value (not expanded).
  BOOL QueryValue(LPCWSTR name, CQzStringW& value) const;

 private:
  HKEY key_ = nullptr;
};
