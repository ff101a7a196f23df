// The radio layer's view of calls, for the windows that must not act while a
// call exists. The radio adapter library "RadioBridge.dll" answers
// PAL_SGetExistedCallCnt(int* count); the radio layer broadcasts the
// registered message "PalBroadcastNotifyMsgName" with wParam 1 when the call
// state changes.
#pragma once

#include "platform/ToolkitContract.h"

// The number of calls that exist now; 0 when the radio adapter is absent.
int GetExistedCallCount();

// The id of "PalBroadcastNotifyMsgName", registered on first use.
UINT GetCallStateMessage();
