#include "qzfc/QzRegKey.h"

#include <cwchar>
#include <vector>

namespace {

// Text values longer than this are not read (a broken or hostile value must
// not make a caller allocate without bound).
constexpr DWORD kMaxTextBytes = 1u << 20;

}  // namespace

BOOL CQzRegKey::Open(HKEY parent, LPCWSTR subKey, REGSAM access) {
  Close();
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, subKey, 0, access, &key) != ERROR_SUCCESS) return FALSE;
  key_ = key;
  return TRUE;
}

void CQzRegKey::Close() {
  if (!key_) return;
  RegCloseKey(key_);
  key_ = nullptr;
}

BOOL CQzRegKey::QueryValue(LPCWSTR name, DWORD& value) const {
  if (!key_) return FALSE;
  DWORD type = REG_NONE;
  DWORD data = 0;
  DWORD size = sizeof data;
  if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS)
    return FALSE;
  if (type != REG_DWORD || size != sizeof data) return FALSE;
  value = data;
  return TRUE;
}

BOOL CQzRegKey::QueryValue(LPCWSTR name, CQzStringW& value) const {
  if (!key_) return FALSE;
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return FALSE;
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxTextBytes) return FALSE;
  std::vector<WCHAR> text(size / sizeof(WCHAR) + 1, 0);
  DWORD got = static_cast<DWORD>((text.size() - 1) * sizeof(WCHAR));
  if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got) != ERROR_SUCCESS)
    return FALSE;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return FALSE;
  size_t count = got / sizeof(WCHAR);
  // The stored terminator (if any) ends the text, like the first zero inside it.
  value = CQzStringW(text.data(), static_cast<int>(wcsnlen(text.data(), count)));
  return TRUE;
}
