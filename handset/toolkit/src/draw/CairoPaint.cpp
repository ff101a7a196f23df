#include "draw/CairoPaint.h"

#include <algorithm>
#include <numbers>

namespace qzfc {

void SetSourceColour(cairo_t* cr, COLORREF colour, double alpha) {
  cairo_set_source_rgba(cr, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0, GetBValue(colour) / 255.0, alpha);
}

void AddColourStop(cairo_pattern_t* pattern, double offset, COLORREF colour) {
  cairo_pattern_add_color_stop_rgb(pattern, offset, GetRValue(colour) / 255.0, GetGValue(colour) / 255.0,
                                   GetBValue(colour) / 255.0);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min({radius, w / 2, h / 2});
  const double q = std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -q, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, q);
  cairo_arc(cr, x + r, y + h - r, r, q, 2 * q);
  cairo_arc(cr, x + r, y + r, r, 2 * q, 3 * q);
  cairo_close_path(cr);
}

}  // namespace qzfc
