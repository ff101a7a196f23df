#include "qzfc/WinApi.h"

#include <atomic>

#include "qzfc/MessageLoop.h"
#include "qzfc/Screen.h"

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  return qzfc::MessageLoop::Get().SetTimer(hwnd, id, elapse, proc);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return qzfc::MessageLoop::Get().KillTimer(hwnd, id) ? TRUE : FALSE; }

void PostQuitMessage(int exitCode) { qzfc::MessageLoop::Get().Quit(exitCode); }

RECT QzGetWorkArea() {
  return RECT{0, qzfc::Screen::kShellBarHeight, qzfc::Screen::kWidth, qzfc::Screen::kHeight};
}

void QzGetWorkArea(RECT* rect) {
  if (rect) *rect = QzGetWorkArea();
}

BOOL SystemParametersInfoW(UINT action, UINT param, PVOID out, UINT winIni) {
  if (action != SPI_GETWORKAREA || !out) return FALSE;
  *static_cast<RECT*>(out) = QzGetWorkArea();
  return TRUE;
}

namespace {
std::atomic<qzfc::SipHider> g_sipHider{nullptr};
}

void qzfc::SetSipHider(SipHider hider) { g_sipHider = hider; }

void QzCloseSip() {
  if (qzfc::SipHider hider = g_sipHider) hider();
}
