#include "core/rows/RowDrawing.h"
#include "core/rows/RowParts.h"

void DrawRowText(HDC dc, LPCWSTR text, int left, int top, int right, int bottom, COLORREF colour, int size,
                 ROW_TEXT_ALIGN align) {
  UINT format = align == ROW_TEXT_CENTER    ? rows::kFormatLineCenter
                : align == ROW_TEXT_VCENTER ? rows::kFormatLineVCenter
                                            : rows::kFormatLine;
  rows::DrawFormattedText(dc, text, RECT{left, top, right, bottom}, colour, size, format);
}
