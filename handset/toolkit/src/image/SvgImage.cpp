#include "image/SvgImage.h"

#include <librsvg/rsvg.h>

#include <cmath>

namespace qzfc {

namespace {

// The size an SVG says it has: its width and height in pixels, or else the
// size of its view box.
bool IntrinsicSize(RsvgHandle* handle, double& width, double& height) {
  if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height)) return width > 0 && height > 0;
  gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
  RsvgLength w{}, h{};
  RsvgRectangle viewBox{};
  rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &w, &hasHeight, &h, &hasViewBox, &viewBox);
  if (!hasViewBox) return false;
  width = viewBox.width;
  height = viewBox.height;
  return width > 0 && height > 0;
}

}  // namespace

std::unique_ptr<SvgImage> SvgImage::Parse(const void* data, size_t length) {
  if (!data || length == 0) return nullptr;
  GError* error = nullptr;
  // No base file: references to outside files are refused by librsvg.
  RsvgHandle* handle = rsvg_handle_new_from_data(static_cast<const guint8*>(data), length, &error);
  g_clear_error(&error);
  if (!handle) return nullptr;
  rsvg_handle_set_dpi(handle, 96);
  double width = 0, height = 0;
  if (!IntrinsicSize(handle, width, height) || width > kMaxSvgSide || height > kMaxSvgSide) {
    g_object_unref(handle);
    return nullptr;
  }
  return std::unique_ptr<SvgImage>(new SvgImage(handle, width, height));
}

SvgImage::SvgImage(RsvgHandle* handle, double width, double height)
    : handle_(handle),
      intrinsicWidth_(width),
      intrinsicHeight_(height),
      width_(static_cast<int>(std::ceil(width))),
      height_(static_cast<int>(std::ceil(height))) {}

SvgImage::~SvgImage() { g_object_unref(handle_); }

cairo_surface_t* SvgImage::Render(int width, int height) const {
  if (width <= 0 || height <= 0) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_t* cr = cairo_create(surface);
  // Scaling the context (rather than giving librsvg a larger viewport)
  // stretches the picture to the size even where its aspect ratio differs.
  cairo_scale(cr, width / intrinsicWidth_, height / intrinsicHeight_);
  RsvgRectangle viewport{0, 0, intrinsicWidth_, intrinsicHeight_};
  GError* error = nullptr;
  bool ok = rsvg_handle_render_document(handle_, cr, &viewport, &error);
  g_clear_error(&error);
  cairo_destroy(cr);
  if (!ok) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_surface_flush(surface);
  return surface;
}

}  // namespace qzfc
