// User-visible strings and images, by numeric id.
#pragma once

#include <qzfc/QzString.h>

#include "ce/types.h"

// The module that strings are read from: for the UI language 0x0804 this
// library itself, for any other the satellite "Vornalib.dll.<lang>.MUI".
// Kept once found; 0 while the satellite cannot be loaded (tried again on
// the next call).
HMODULE GetStringModule();

// String `id` of the string module; empty when there is none.
CQzStringW LoadResString(UINT id);

// The image library "vornares.dll", opened as a data file on first use and
// kept; 0 while it cannot be opened (tried again on the next call).
HMODULE GetImageModule();

// The string module for one UI language, opened now, without keeping it:
// only the low 16 bits of `uiLanguage` count. 0 when the satellite cannot
// be loaded.
HMODULE OpenStringModule(DWORD uiLanguage);
