// Text drawing shared by the list painters.
#pragma once

#include "ce/gdi.h"

namespace qzfc {

struct TextStyle {
  int size = 27;
  int weight = FW_NORMAL;
  BOOL italic = FALSE;
  BOOL underline = FALSE;
  COLORREF color = 0;
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
};

// Draws text (nothing for a null or empty one) in the rectangle with a
// transparent background, restoring the font and colour afterwards.
void DrawRowText(HDC hdc, LPCWSTR text, const RECT& rect, const TextStyle& style);
void DrawRowText(HDC hdc, LPCWSTR text, const RECT& rect, int size, int weight, COLORREF color, UINT format);

}  // namespace qzfc
