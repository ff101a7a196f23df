// Pieces the row routines share: texts in a given format, the pressed
// background, the left and right images and the button area's separator.
#pragma once

#include "platform/ToolkitContract.h"

namespace rows {

// Text formats for QzDrawText: one line with an end ellipsis (top-aligned,
// vertically centred, centred both ways), and word-wrapped.
constexpr UINT kFormatLine = DT_EDITCONTROL | DT_END_ELLIPSIS | DT_SINGLELINE;
constexpr UINT kFormatLineVCenter = kFormatLine | DT_VCENTER;
constexpr UINT kFormatLineCenter = kFormatLineVCenter | DT_CENTER;
constexpr UINT kFormatWrap = DT_EDITCONTROL | DT_WORDBREAK;
constexpr UINT kFormatWrapMeasure = kFormatWrap | DT_CALCRECT | DT_NOCLIP;

// Where the row's texts start, and where its right image ends.
constexpr int kTextLeft = 90;
constexpr int kImageColumnRight = 80;
constexpr int kRightImageEdge = 465;

// Which side of a button area is pressed; picks the separator's style.
enum class AreaPress { None, Main, Button };

// Draws `text` in `colour` with the font of `size` (weight 400), transparent
// background, restoring the DC's font afterwards.
void DrawFormattedText(HDC dc, LPCWSTR text, const RECT& rect, COLORREF colour, int size, UINT format);

// The pressed look over an area of a row, stopping one pixel above the row's
// bottom so that the grid line below stays visible.
void DrawPressedBackground(HDC dc, int left, int top, int right, int rowBottom);

// The image column (x up to 80) and the right image ending at x = 465, each
// drawn at the picture's own size, centred.
void DrawLeftImage(HDC dc, ImagingHelper* image, const RECT& row);
void DrawRightImage(HDC dc, ImagingHelper* image, const RECT& row);

RECT ButtonArea(const RECT& row);
// The button image centred in the button area, and the separator at its left.
void DrawButtonArea(HDC dc, ImagingHelper* image, const RECT& row, AreaPress press);

}  // namespace rows
