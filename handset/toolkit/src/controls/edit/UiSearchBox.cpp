#include "qzfc/UiSearchBox.h"

#include <cairo.h>

#include <cmath>

#include "draw/CairoPaint.h"

namespace {
constexpr int kInset = 8;
constexpr double kRadius = 10;
}  // namespace

LPCWSTR UiSearchBox::GetUiClassName() const { return L"UiSearchBox"; }

void UiSearchBox::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  cairo_save(cr);
  qzfc::SetSourceColour(cr, RGB(0xE6, 0xE8, 0xEC));
  cairo_rectangle(cr, rcWin.left, rcWin.top, rcWin.right - rcWin.left, rcWin.bottom - rcWin.top);
  cairo_fill(cr);

  const double x = rcWin.left + kInset, y = rcWin.top + kInset;
  const double w = rcWin.right - rcWin.left - 2 * kInset, h = rcWin.bottom - rcWin.top - 2 * kInset;
  if (w > 2 * kRadius && h > 2 * kRadius) {
    qzfc::RoundedRectPath(cr, x, y, w, h, kRadius);
    qzfc::SetSourceColour(cr, RGB(0xFF, 0xFF, 0xFF));
    cairo_fill_preserve(cr);
    qzfc::SetSourceColour(cr, RGB(0xC4, 0xC8, 0xCF));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The magnifier, centred in the field's first 52 pixels.
    const double cx = x + 24, cy = y + h / 2 - 3;
    qzfc::SetSourceColour(cr, RGB(0x8A, 0x90, 0x99));
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + 7, cy + 7);
    cairo_line_to(cr, cx + 14, cy + 14);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}
