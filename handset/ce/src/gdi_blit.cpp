// Fills and blits between DCs.
#include "gdi_internal.h"

using namespace ce::gdi;

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  Dc* dc = FindDc(hdc);
  Brush* b = FindBrush(brush);
  if (!dc || !rect || !b) return 0;
  if (b->null) return 1;
  cairo_t* cr = dc->cr;
  cairo_save(cr);
  SetSourceColor(cr, b->color);
  cairo_rectangle(cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  cairo_fill(cr);
  cairo_restore(cr);
  return 1;
}

namespace {

// Paints the source rectangle of `src` into the destination rectangle of
// `dst`, scaling when the sizes differ. Source coordinates are in the source
// DC's own space (its origin and transformation apply).
bool Blit(HDC dstDc, int x, int y, int w, int h, HDC srcDc, int sx, int sy, int sw, int sh,
          cairo_operator_t op, double alpha) {
  Dc* dst = FindDc(dstDc);
  Dc* src = FindDc(srcDc);
  if (!dst || !src || w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
  double dx = sx, dy = sy;
  cairo_user_to_device(src->cr, &dx, &dy);
  cairo_surface_t* surface = cairo_get_target(src->cr);
  cairo_surface_flush(surface);

  cairo_t* cr = dst->cr;
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, static_cast<double>(w) / sw, static_cast<double>(h) / sh);
  cairo_set_source_surface(cr, surface, -dx, -dy);
  if (w != sw || h != sh) cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_set_operator(cr, op);
  if (alpha >= 1.0)
    cairo_paint(cr);
  else
    cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
  return true;
}

}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
  if (rop != SRCCOPY) return FALSE;
  // The same DC as source and destination would read pixels while writing
  // them; go through a copy.
  if (dst == src) {
    cairo_t* cr = CeGetCairo(src);
    if (!cr) return FALSE;
    HDC tmp = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(nullptr, width, height);
    HGDIOBJ old = SelectObject(tmp, bmp);
    BOOL ok = Blit(tmp, 0, 0, width, height, src, sx, sy, width, height, CAIRO_OPERATOR_SOURCE, 1) &&
              Blit(dst, x, y, width, height, tmp, 0, 0, width, height, CAIRO_OPERATOR_SOURCE, 1);
    SelectObject(tmp, old);
    DeleteObject(bmp);
    DeleteDC(tmp);
    return ok;
  }
  return Blit(dst, x, y, width, height, src, sx, sy, width, height, CAIRO_OPERATOR_SOURCE, 1) ? TRUE
                                                                                             : FALSE;
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                DWORD rop) {
  if (rop != SRCCOPY || dst == src) return FALSE;
  return Blit(dst, x, y, width, height, src, sx, sy, sw, sh, CAIRO_OPERATOR_SOURCE, 1) ? TRUE : FALSE;
}

BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend) {
  if (blend.BlendOp != AC_SRC_OVER || dst == src) return FALSE;
  // With AC_SRC_ALPHA the source's premultiplied per-pixel alpha blends it
  // over the destination; without it the source counts as opaque, which is
  // what an opaque (compatible) bitmap is anyway.
  cairo_operator_t op = (blend.AlphaFormat & AC_SRC_ALPHA) ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOURCE;
  if (blend.SourceConstantAlpha < 255) op = CAIRO_OPERATOR_OVER;
  return Blit(dst, x, y, width, height, src, sx, sy, sw, sh, op, blend.SourceConstantAlpha / 255.0)
             ? TRUE
             : FALSE;
}
