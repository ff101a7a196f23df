// The window-manager calls of the CE API that the toolkit supplies: timers,
// quitting the loop, the work area, and hiding the soft keyboard.
#pragma once

#include "ce/types.h"

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
void PostQuitMessage(int exitCode);
// SPI_GETWORKAREA fills a RECT with the work area; other actions fail.
BOOL SystemParametersInfoW(UINT action, UINT param, PVOID out, UINT winIni);
// The work area: the screen below the shell bar, (0, 80, 480, 800).
RECT QzGetWorkArea();
void QzGetWorkArea(RECT* rect);

// Hides the soft keyboard. The keyboard installs its hider here; without one
// this does nothing.
void QzCloseSip();
namespace qzfc {
using SipHider = void (*)();
void SetSipHider(SipHider hider);
}  // namespace qzfc
