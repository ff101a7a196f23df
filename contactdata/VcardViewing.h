// Showing a received vCard as a contact in one call: the contact info
// window opens on the card, from which the user may save it, and the call
// returns when the window is closed.
#pragma once

#include "ce/types.h"
#include "core/VornaExport.h"

// A card in a file (a CE path under the device root).
VORNALIB_API void FastProcessVcf(HWND owner, const wchar_t* path);
// Card text.
VORNALIB_API void FastProcessVcfContent(HWND owner, const wchar_t* text);
