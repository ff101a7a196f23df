// The texts of one call that every call log list shows: its duration (or
// ring count) and the name of its type. The thread list and the call
// details both take them from here.
#pragma once

#include "platform/ToolkitContract.h"

// Call types as the store records them.
enum CALL_TYPE {
  CALL_TYPE_OUTGOING = 1,
  CALL_TYPE_INCOMING = 2,
  CALL_TYPE_MISSED = 3,
  CALL_TYPE_REJECTED = 4,
  CALL_TYPE_BLOCKED = 5,
};

// Sets `text` to the call's length for outgoing and incoming calls ("1分15秒",
// "5秒", "100分": no seconds from 100 minutes on) and to its ring count for
// every other type ("3次响铃").
void FormatCallDuration(int callType, int value, CQzStringW& text);

// The string id of the call type's name; 0 for a type outside 1 to 5.
UINT GetCallTypeLabel(int callType);
