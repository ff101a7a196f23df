#include "controls/ControlPaint.h"

#include <cairo.h>

#include <algorithm>
#include <numbers>

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiWin.h"

namespace qzfc::controls {
namespace {

void SetColor(cairo_t* cr, COLORREF color, double alpha) {
  cairo_set_source_rgba(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0, alpha);
}

}  // namespace

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) { FillBlend(hdc, rect, color, 1.0); }

void FillBlend(HDC hdc, const RECT& rect, COLORREF color, double alpha) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr || rect.right <= rect.left || rect.bottom <= rect.top) return;
  cairo_save(cr);
  SetColor(cr, color, alpha);
  cairo_rectangle(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  cairo_fill(cr);
  cairo_restore(cr);
}

void FillRounded(HDC hdc, const RECT& rect, double radius, COLORREF color) {
  cairo_t* cr = CeGetCairo(hdc);
  double w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!cr || w <= 0 || h <= 0) return;
  double r = std::min(radius, std::min(w, h) / 2);
  double x = rect.left, y = rect.top;
  const double q = std::numbers::pi / 2;
  cairo_save(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -q, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, q);
  cairo_arc(cr, x + r, y + h - r, r, q, 2 * q);
  cairo_arc(cr, x + r, y + r, r, 2 * q, 3 * q);
  cairo_close_path(cr);
  SetColor(cr, color, 1.0);
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
