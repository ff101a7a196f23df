#include "qzfc/QzDraw.h"

#include <algorithm>

#include "draw/CairoPaint.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/MemoryDC.h"
#include "qzfc/Screen.h"

namespace {

constexpr COLORREF kPressedBg = RGB(0xD7, 0xE7, 0xF7);
constexpr COLORREF kGridNormal = RGB(0xD9, 0xD9, 0xD9);
constexpr COLORREF kGridPressed = RGB(0xA9, 0xC4, 0xE2);
constexpr COLORREF kButtonTop = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kButtonBottom = RGB(0xE6, 0xE8, 0xEC);
constexpr COLORREF kButtonPressedTop = RGB(0xC9, 0xDD, 0xF2);
constexpr COLORREF kButtonPressedBottom = RGB(0xB2, 0xCC, 0xE8);
constexpr COLORREF kButtonBorder = RGB(0xB4, 0xB9, 0xC3);

// Paints `src` (source coordinates sx..sx+sw, sy..sy+sh) into the
// destination rectangle, scaled.
void PaintScaled(cairo_t* cr, cairo_surface_t* src, double sx, double sy, double sw, double sh, double dx,
                 double dy, double dw, double dh, bool alpha) {
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  cairo_save(cr);
  cairo_rectangle(cr, dx, dy, dw, dh);
  cairo_clip(cr);
  cairo_translate(cr, dx, dy);
  cairo_scale(cr, dw / sw, dh / sh);
  cairo_set_source_surface(cr, src, -sx, -sy);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_set_operator(cr, alpha ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_restore(cr);
}

BOOL BltThreeParts(cairo_t* cr, const RECT& dst, cairo_surface_t* src, double srcX, double srcY,
                   const RECT& srcRect, int topHeight, int bottomHeight, BOOL alpha) {
  const double dw = dst.right - dst.left, dh = dst.bottom - dst.top;
  const double sw = srcRect.right - srcRect.left, sh = srcRect.bottom - srcRect.top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || topHeight < 0 || bottomHeight < 0) return FALSE;
  double top = std::min<double>(topHeight, sh), bottom = std::min<double>(bottomHeight, sh - top);
  double dTop = top, dBottom = bottom;
  if (dTop + dBottom > dh) {  // squeeze the ends together
    double k = dh / (dTop + dBottom);
    dTop *= k;
    dBottom = dh - dTop;
  }
  const double x = srcX + srcRect.left, y = srcY + srcRect.top;
  PaintScaled(cr, src, x, y, sw, top, dst.left, dst.top, dw, dTop, alpha);
  PaintScaled(cr, src, x, y + top, sw, sh - top - bottom, dst.left, dst.top + dTop, dw, dh - dTop - dBottom, alpha);
  PaintScaled(cr, src, x, y + sh - bottom, sw, bottom, dst.left, dst.bottom - dBottom, dw, dBottom, alpha);
  return TRUE;
}

}  // namespace

int QzDrawText(HDC hdc, LPCWSTR text, RECT* rect, UINT format) {
  if (!text || !*text || !rect) return 0;
  return DrawTextW(hdc, text, -1, rect, format);
}

int QzDrawText(HDC hdc, LPCWSTR text, const RECT& rect, UINT format) {
  RECT copy = rect;
  return QzDrawText(hdc, text, &copy, format);
}

void QzDrawSelectedBg_NoLine(HDC hdc, const RECT& rect) {
  HBRUSH brush = CreateSolidBrush(kPressedBg);
  FillRect(hdc, &rect, brush);
  DeleteObject(brush);
}

void QzDrawGridLine(HDC hdc, int x1, int y1, int x2, int y2, int style) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr || (x1 != x2 && y1 != y2)) return;
  cairo_save(cr);
  qzfc::SetSourceColour(cr, style == QZ_GRIDLINE_NORMAL ? kGridNormal : kGridPressed);
  if (x1 == x2)
    cairo_rectangle(cr, x1, std::min(y1, y2), 1, std::abs(y2 - y1));
  else
    cairo_rectangle(cr, std::min(x1, x2), y1, std::abs(x2 - x1), 1);
  cairo_fill(cr);
  cairo_restore(cr);
}

void QzDrawControl(HDC hdc, const RECT& rect, int face, BOOL pressed) {
  cairo_t* cr = CeGetCairo(hdc);
  const double w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!cr || w <= 0 || h <= 0) return;
  cairo_save(cr);
  double radius = face == QZ_FACE_PUSHBUTTON ? 8 : 0;
  qzfc::RoundedRectPath(cr, rect.left + 0.5, rect.top + 0.5, w - 1, h - 1, radius);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, rect.top, 0, rect.bottom);
  COLORREF top = pressed ? kButtonPressedTop : kButtonTop;
  COLORREF bottom = pressed ? kButtonPressedBottom : kButtonBottom;
  qzfc::AddColourStop(fill, 0, top);
  qzfc::AddColourStop(fill, 1, bottom);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  qzfc::SetSourceColour(cr, kButtonBorder);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

BOOL QzBlt_V(HDC hdc, const RECT& dst, HDC src, const RECT& srcRect, int mode, int topHeight, int bottomHeight,
             BOOL alpha) {
  cairo_t* cr = CeGetCairo(hdc);
  cairo_t* scr = CeGetCairo(src);
  if (!cr || !scr || hdc == src) return FALSE;
  double ox = 0, oy = 0;
  cairo_user_to_device(scr, &ox, &oy);
  cairo_surface_t* surface = cairo_get_target(scr);
  cairo_surface_flush(surface);
  return BltThreeParts(cr, dst, surface, ox, oy, srcRect, topHeight, bottomHeight, alpha);
}

BOOL QzBlt_V(HDC hdc, const RECT& dst, ImagingHelper* image, const RECT& srcRect, int mode, int topHeight,
             int bottomHeight, BOOL alpha) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr || !image || !image->IsLoaded()) return FALSE;
  int w = image->GetWidth(), h = image->GetHeight();
  if (w <= 0 || h <= 0) return FALSE;
  // The picture at its own size, with its transparency.
  cairo_surface_t* pic = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* pcr = cairo_create(pic);
  RECT all{0, 0, w, h};
  image->DrawOnCairo(pcr, &all, FALSE, FALSE);
  cairo_destroy(pcr);
  BOOL ok = BltThreeParts(cr, dst, pic, 0, 0, srcRect, topHeight, bottomHeight, alpha);
  cairo_surface_destroy(pic);
  return ok;
}

HBITMAP ScreenSnapshot(const RECT& rect) {
  qzfc::Screen& screen = qzfc::Screen::Get();
  if (screen.NeedsPaint()) screen.Paint();
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  MemoryDC mem(w, h);
  if (!mem.GetBitmap()) return nullptr;
  HDC screenDc = GetDC(nullptr);
  BitBlt(mem, 0, 0, w, h, screenDc, rect.left, rect.top, SRCCOPY);
  ReleaseDC(nullptr, screenDc);
  return mem.DetachBitmap();
}
