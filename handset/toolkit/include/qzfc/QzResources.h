// Resources by numeric id: strings from a resource module, and the toolkit's
// own image modules.
#pragma once

#include "ce/types.h"
#include "qzfc/QzString.h"

// String `id` of a resource module (a module opened with LoadLibraryExW as a
// data file). Module 0 and unknown ids give an empty string, never a failure:
// callers show whatever comes back, and an empty label is the safe choice.
CQzStringW QzLoadString(UINT id, HMODULE module);

// The toolkit's own image modules, opened on first use as data files and
// kept open: GetQzResV2ModuleHandle gives the current image set
// ("QzResV2.dll": row arrows, check marks, tool bar faces),
// GetQzResModuleHandle the older one ("QzRes.dll": the edit-field frame of
// resource type 10). When only one of the two files is present it serves
// both. 0 while neither can be opened; the next call tries again.
HMODULE GetQzResV2ModuleHandle();
HMODULE GetQzResModuleHandle();
