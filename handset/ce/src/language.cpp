#include "ce/language.h"

#include <cstdlib>

#include "ce/registry.h"

namespace {

constexpr LANGID kDefaultLanguage = 0x0804;

bool ParseLanguage(const char* text, LANGID& out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  unsigned long value = std::strtoul(text, &end, 16);
  if (*end != '\0' || value == 0 || value > 0xFFFF) return false;
  out = static_cast<LANGID>(value);
  return true;
}

bool RegistryLanguage(LANGID& out) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"MUI", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  LONG result = RegQueryValueExW(key, L"UILanguage", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_DWORD || value == 0 || value > 0xFFFF) return false;
  out = static_cast<LANGID>(value);
  return true;
}

}  // namespace

LANGID GetUserDefaultUILanguage() {
  LANGID language = 0;
  if (ParseLanguage(std::getenv("VORNA_UI_LANG"), language)) return language;
  if (RegistryLanguage(language)) return language;
  return kDefaultLanguage;
}
