// One parsed SVG picture that can be rendered at any size.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <memory>

typedef struct _RsvgHandle RsvgHandle;

namespace qzfc {

class SvgImage {
 public:
  // Null when the bytes are not an SVG document with a usable size (width
  // and height, or a view box, of at most kMaxSvgSide pixels).
  static std::unique_ptr<SvgImage> Parse(const void* data, size_t length);
  ~SvgImage();
  SvgImage(const SvgImage&) = delete;
  SvgImage& operator=(const SvgImage&) = delete;

  // The picture's own size in pixels, rounded up.
  int width() const { return width_; }
  int height() const { return height_; }

  // A new ARGB32 surface of exactly width x height holding the picture
  // stretched to it; the caller owns it. Null on failure.
  cairo_surface_t* Render(int width, int height) const;

  static constexpr int kMaxSvgSide = 2048;

 private:
  SvgImage(RsvgHandle* handle, double width, double height);

  RsvgHandle* handle_;
  double intrinsicWidth_;
  double intrinsicHeight_;
  int width_;
  int height_;
};

}  // namespace qzfc
