// QzMessageBoxV2: a modal message box over the work area.
//   style 2: a confirm and a cancel button; 1 on confirm, 2 on cancel.
//   style 1 (and any other): one OK button; 1.
// 0 when the box could not be shown. `flags` is reserved (0). While it runs,
// the buttons are the controls QZ_MB_CONFIRM_ID and QZ_MB_CANCEL_ID.
#pragma once

#include "ce/types.h"

#define QZ_MB_CONFIRM_ID 1
#define QZ_MB_CANCEL_ID 2

int QzMessageBoxV2(HWND owner, LPCWSTR text, int style, UINT flags);
