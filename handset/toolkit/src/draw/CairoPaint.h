// Cairo helpers that the toolkit's painting shares: COLORREF colours as
// Cairo sources and gradient stops, and the rounded-rectangle path.
#pragma once

#include <cairo.h>

#include "ce/gdi.h"

namespace qzfc {

void SetSourceColour(cairo_t* cr, COLORREF colour, double alpha = 1.0);
void AddColourStop(cairo_pattern_t* pattern, double offset, COLORREF colour);
// Adds a closed path; the radius is cut to half the shorter side.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

}  // namespace qzfc
