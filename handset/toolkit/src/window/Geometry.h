// Rectangle arithmetic on RECT (right and bottom exclusive).
#pragma once

#include <algorithm>

#include "ce/types.h"

namespace qzfc {

inline bool RectEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

inline bool RectContains(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

inline RECT RectOffset(RECT r, int dx, int dy) {
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
  return r;
}

// The common part; empty (all zero) when there is none.
inline RECT RectIntersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return RectEmpty(r) ? RECT{} : r;
}

inline RECT RectUnion(const RECT& a, const RECT& b) {
  if (RectEmpty(a)) return b;
  if (RectEmpty(b)) return a;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace qzfc
