#include "ce/language.h"

#include <cstdlib>
#include <cwchar>

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

}  // namespace

LANGID GetUserDefaultUILanguage() {
  LANGID language = 0;
  if (ParseLanguage(std::getenv("VORNA_UI_LANG"), language)) return language;
  // FIXME: read HKEY_CURRENT_USER\MUI "UILanguage" once the registry has landed.
  return kDefaultLanguage;
}
