// Pixel reads for the tests, all as 0xRRGGBB: Cairo surfaces, bitmaps, the
// screen and saved pictures.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>

#include "ce/gdi.h"
#include "qzfc/Screen.h"

namespace qzfc::test {

// Reads without flushing: for loops over a flushed surface.
inline uint32_t RawPixel(cairo_surface_t* s, int x, int y) {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s))[x] &
         0xFFFFFF;
}

inline uint32_t SurfacePixel(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  return RawPixel(s, x, y);
}

inline uint32_t BitmapPixel(HBITMAP bitmap, int x, int y) { return SurfacePixel(CeGetBitmapSurface(bitmap), x, y); }

// The headless screen as the robot's screenshots save it.
inline uint32_t ScreenPixel(int x, int y) { return SurfacePixel(Screen::Get().Surface(), x, y); }

// Fills a rectangle of a DC with one colour.
inline void FillSolid(HDC dc, const RECT& rc, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
}

// 0xRRGGBB from a COLORREF.
inline uint32_t Pixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// Whether two pixels differ by at most `tolerance` in every channel.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 40) {
  for (int shift : {0, 8, 16}) {
    int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

// How many pixels of the rectangle satisfy `match`.
template <class Match>
int CountPixels(cairo_surface_t* s, const RECT& rc, Match match) {
  cairo_surface_flush(s);
  int n = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) n += match(RawPixel(s, x, y)) ? 1 : 0;
  return n;
}

// Pixels of the bitmap's rectangle that are not exactly `rgb`.
inline int CountOther(HBITMAP bitmap, const RECT& rc, uint32_t rgb) {
  return CountPixels(CeGetBitmapSurface(bitmap), rc, [&](uint32_t p) { return p != rgb; });
}

// Pixels of the screen's rectangle near `colour`.
inline int ScreenInk(const RECT& rc, uint32_t colour, int tolerance = 40) {
  return CountPixels(Screen::Get().Surface(), rc, [&](uint32_t p) { return Near(p, colour, tolerance); });
}

// A picture saved by a program.
struct Shot {
  explicit Shot(const std::filesystem::path& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Shot() { cairo_surface_destroy(surface); }
  Shot(const Shot&) = delete;
  Shot& operator=(const Shot&) = delete;
  bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
  uint32_t at(int x, int y) const { return SurfacePixel(surface, x, y); }
  cairo_surface_t* surface;
};

}  // namespace qzfc::test
