// The windows of the one-call contact screens: created over the work area
// as pop-ups of the caller's window and run modally.
#pragma once

#include "platform/ToolkitContract.h"

bool CreateOverWorkArea(CQzWnd& wnd, HWND owner);

// Creates the window, runs it and destroys it; its modal result, or 0 when
// it could not be created. What the user chose stays readable in the object.
int RunOverWorkArea(CQzWnd& wnd, HWND owner);
