// Where a phone number of the 86 numbering plan belongs: the province and
// city of a mobile segment or area code, or "国际长途" / "本地固话".
#pragma once

#include "core/VornaExport.h"

// On true, *region receives a system string (free it with SysFreeString);
// on false nothing is written. False when the phone's national code is set
// to anything but 86, for numbers shorter than seven characters and for
// numbers whose region is unknown.
VORNALIB_API bool GetPNRegionInfo(const wchar_t* number, wchar_t** region);
