// The toolkit's drawing helpers for list rows and buttons.
#pragma once

#include "ce/gdi.h"

class ImagingHelper;

// Grid line styles: 525 a plain separator, 526 the separator beside a
// pressed row part, 532 the separator of a pressed button area.
#define QZ_GRIDLINE_NORMAL 525
#define QZ_GRIDLINE_PRESSED_MAIN 526
#define QZ_GRIDLINE_PRESSED_BUTTON 532
// Control faces for QzDrawControl.
#define QZ_FACE_PUSHBUTTON 528

// DrawTextW with the toolkit's formats (for example 0xA024: one line, centred
// vertically, cut with an ellipsis). Returns the text height; with
// DT_CALCRECT the rectangle receives the text's extent.
int QzDrawText(HDC hdc, LPCWSTR text, RECT* rect, UINT format);
int QzDrawText(HDC hdc, LPCWSTR text, const RECT& rect, UINT format);

// The pressed look of a row or part of one: fills the rectangle.
void QzDrawSelectedBg_NoLine(HDC hdc, const RECT& rect);

// A one-pixel line from (x1, y1) to (x2, y2), which must be vertical or
// horizontal; the end point is excluded, as with LineTo.
void QzDrawGridLine(HDC hdc, int x1, int y1, int x2, int y2, int style);

// Draws a control face into the rectangle (528: a push button, rounded, in
// its normal or pressed look).
void QzDrawControl(HDC hdc, const RECT& rect, int face, BOOL pressed);

// Vertical three-part stretch: the top `topHeight` and bottom `bottomHeight`
// rows of the source rectangle are copied unscaled to the top and bottom of
// the destination, the rows between are stretched over the rest. Widths
// scale to the destination. When the destination is lower than the two ends,
// the ends are scaled down together. `mode` is 0 (stretch the middle; other
// values are reserved). With `alpha` the source blends by its per-pixel
// alpha, else it is copied.
BOOL QzBlt_V(HDC hdc, const RECT& dst, HDC src, const RECT& srcRect, int mode, int topHeight, int bottomHeight,
             BOOL alpha);
BOOL QzBlt_V(HDC hdc, const RECT& dst, ImagingHelper* image, const RECT& srcRect, int mode, int topHeight,
             int bottomHeight, BOOL alpha);

// A new bitmap (the caller deletes it) with what the screen shows in the
// rectangle, after pending repaints.
HBITMAP ScreenSnapshot(const RECT& rect);
