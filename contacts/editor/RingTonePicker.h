// The contact ring tone picker: the handset's ring tone picker component over
// the user's and the system's ring folders, with the contact's tone marked.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

// Runs the picker over `owner`. A chosen tone that differs from the record's
// goes to the store (stored contacts) and the record; true then. The same
// tone again, a cancel, or a component that cannot be created change
// nothing.
bool PickContactRingTone(HWND owner, CContactInfo& record);
