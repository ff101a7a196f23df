// Drawing and notification helpers shared by the simple controls.
#pragma once

#include "ce/gdi.h"

class UiWin;

namespace qzfc::controls {

// The controls' palette.
constexpr COLORREF kBarBackground = RGB(0xF7, 0xF8, 0xFA);
constexpr COLORREF kBarHighlight = RGB(0xEC, 0xF0, 0xF4);
constexpr COLORREF kBarText = RGB(0x1F, 0x29, 0x33);
constexpr COLORREF kBarSeparator = RGB(0xD5, 0xDB, 0xE0);
constexpr COLORREF kAccent = RGB(0x2F, 0x7D, 0xE1);
constexpr COLORREF kAccentTint = RGB(0xE3, 0xEE, 0xFC);
constexpr COLORREF kOnAccentText = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kDisabledText = RGB(0x7A, 0x85, 0x8C);
constexpr COLORREF kIndexText = RGB(0x5A, 0x66, 0x70);

void FillSolid(HDC hdc, const RECT& rect, COLORREF color);
// Fills with the colour at the given opacity (0 to 1) over what is there.
void FillBlend(HDC hdc, const RECT& rect, COLORREF color, double alpha);
void FillRounded(HDC hdc, const RECT& rect, double radius, COLORREF color);
// Text in the toolkit's font (weight 400, or 700 with bold), transparent background.
void DrawLabel(HDC hdc, LPCWSTR text, const RECT& rect, int size, COLORREF color, UINT format, bool bold = false);

// Posts a command to the control's window whether or not the control's
// button notifications are on: a control's command is what its window acts on.
void PostControlCommand(UiWin& ui, UINT code, LPARAM param);

inline bool Contains(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace qzfc::controls
