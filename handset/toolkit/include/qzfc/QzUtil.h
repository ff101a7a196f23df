// Small toolkit services: the 8-bit code page and the named folders.
#pragma once

#include "ce/types.h"
#include "qzfc/QzString.h"

// The code page of 8-bit text on this handset: 936 (GBK).
UINT GetDefaultAcp();

// The CE path of a named folder of the handset, e.g. "UserRingPath" (ring
// tones the user added, "\My Documents\My Ringtones") or "SettingRingPath"
// (the ring tones that come with the handset, "\Windows\Rings"). Names are
// matched without regard to case. FALSE, with path left unchanged, for a
// null or unknown name.
BOOL QzGetPath(LPCWSTR name, CQzStringW& path);
