#include "core/rows/RowParts.h"

#include "core/rows/RowDrawing.h"

namespace rows {

void DrawFormattedText(HDC dc, LPCWSTR text, const RECT& rect, COLORREF colour, int size, UINT format) {
  if (!text || !*text) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  HGDIOBJ oldFont = SelectObject(dc, FontHelper::GetFont(size, FW_NORMAL, 0, 0, 0, 0));
  QzDrawText(dc, text, rect, format);
  if (oldFont) SelectObject(dc, oldFont);
}

void DrawPressedBackground(HDC dc, int left, int top, int right, int rowBottom) {
  QzDrawSelectedBg_NoLine(dc, RECT{left, top, right, rowBottom - 1});
}

void DrawLeftImage(HDC dc, ImagingHelper* image, const RECT& row) {
  if (image) image->Draw(dc, RECT{row.left, row.top, kImageColumnRight, row.bottom}, FALSE, FALSE);
}

void DrawRightImage(HDC dc, ImagingHelper* image, const RECT& row) {
  if (!image) return;
  image->Draw(dc, RECT{kRightImageEdge - image->GetWidth(), row.top, kRightImageEdge, row.bottom}, FALSE, FALSE);
}

RECT ButtonArea(const RECT& row) { return RECT{row.right - kRowButtonAreaWidth, row.top, row.right, row.bottom}; }

void DrawButtonArea(HDC dc, ImagingHelper* image, const RECT& row, AreaPress press) {
  RECT area = ButtonArea(row);
  if (image) image->Draw(dc, area, FALSE, FALSE);
  // The separator hugs the pressed side: inside the area when the button is
  // pressed, just left of it otherwise.
  int x = press == AreaPress::Button ? area.left : area.left - 1;
  int style = press == AreaPress::Main     ? QZ_GRIDLINE_PRESSED_MAIN
              : press == AreaPress::Button ? QZ_GRIDLINE_PRESSED_BUTTON
                                           : QZ_GRIDLINE_NORMAL;
  QzDrawGridLine(dc, x, row.top + 10, x, row.bottom - 10, style);
}

}  // namespace rows
