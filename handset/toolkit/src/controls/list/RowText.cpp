#include "controls/list/RowText.h"

#include "qzfc/FontHelper.h"

namespace qzfc {

void DrawRowText(HDC hdc, LPCWSTR text, const RECT& rect, const TextStyle& style) {
  if (!text || !*text || rect.right <= rect.left || rect.bottom <= rect.top) return;
  HFONT font = FontHelper::GetFont(style.size, style.weight, style.italic, style.underline, FALSE, 0);
  HGDIOBJ oldFont = SelectObject(hdc, font);
  COLORREF oldColor = SetTextColor(hdc, style.color);
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  RECT rc = rect;
  DrawTextW(hdc, text, -1, &rc, style.format | DT_NOPREFIX);
  SetBkMode(hdc, oldMode);
  SetTextColor(hdc, oldColor);
  SelectObject(hdc, oldFont);
}

void DrawRowText(HDC hdc, LPCWSTR text, const RECT& rect, int size, int weight, COLORREF color, UINT format) {
  TextStyle style;
  style.size = size;
  style.weight = weight;
  style.color = color;
  style.format = format;
  DrawRowText(hdc, text, rect, style);
}

}  // namespace qzfc
