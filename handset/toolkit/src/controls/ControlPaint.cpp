#include "controls/ControlPaint.h"

#include <cairo.h>

#include "draw/CairoPaint.h"
#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiWin.h"

namespace qzfc::controls {

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) { FillBlend(hdc, rect, color, 1.0); }

void FillBlend(HDC hdc, const RECT& rect, COLORREF color, double alpha) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr || rect.right <= rect.left || rect.bottom <= rect.top) return;
  cairo_save(cr);
  SetSourceColour(cr, color, alpha);
  cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  cairo_fill(cr);
  cairo_restore(cr);
}

void FillRounded(HDC hdc, const RECT& rect, double radius, COLORREF color) {
  cairo_t* cr = CeGetCairo(hdc);
  double w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!cr || w <= 0 || h <= 0) return;
  cairo_save(cr);
  RoundedRectPath(cr, rect.left, rect.top, w, h, radius);
  SetSourceColour(cr, color);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawLabel(HDC hdc, LPCWSTR text, const RECT& rect, int size, COLORREF color, UINT format, bool bold) {
  if (!text || !*text) return;
  HGDIOBJ old = SelectObject(hdc, FontHelper::GetFont(size, bold ? 700 : 400, 0, 0, 0, 0));
  COLORREF oldColor = ::SetTextColor(hdc, color);
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  RECT r = rect;
  QzDrawText(hdc, text, &r, format);
  SetBkMode(hdc, oldMode);
  ::SetTextColor(hdc, oldColor);
  SelectObject(hdc, old);
}

void PostControlCommand(UiWin& ui, UINT code, LPARAM param) {
  if (CQzWndEx* owner = ui.GetParentWnd())
    owner->PostMessageW(QZ_WM_COMMAND, MAKEWPARAM(static_cast<UINT>(ui.GetID()), code), param);
}

}  // namespace qzfc::controls
