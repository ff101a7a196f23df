// The user's interface language.
#pragma once

#include "ce/types.h"

// VORNA_UI_LANG as hexadecimal (0409 or 0x0409); else the REG_DWORD value
// "UILanguage" under HKEY_CURRENT_USER\MUI; else 0x0804 (Chinese, simplified).
// Values that are not a language id (0 or above 0xFFFF) are skipped.
LANGID GetUserDefaultUILanguage();
