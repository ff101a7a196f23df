#include "PictureCodec.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace mediapickers {
namespace {

// Pictures stating more pixels than this are refused before decoding: some
// decoders read the whole picture before scaling it, and 32 million pixels
// (a large phone photo) already take 128 MB.
constexpr long long kMaxStatedPixels = 32LL * 1024 * 1024;

bool IsPhotoFormat(GdkPixbufFormat* format) {
  if (!format) return false;
  gchar* name = gdk_pixbuf_format_get_name(format);
  const std::string kind = name ? name : "";
  g_free(name);
  return kind == "jpeg" || kind == "png";
}

// The middle square, scaled.
Pixbuf SquareOf(const GdkPixbuf* picture, int side) {
  if (!picture || side <= 0) return nullptr;
  const int width = gdk_pixbuf_get_width(picture);
  const int height = gdk_pixbuf_get_height(picture);
  const int square = std::min(width, height);
  if (square <= 0) return nullptr;
  Pixbuf middle(gdk_pixbuf_new_subpixbuf(const_cast<GdkPixbuf*>(picture), (width - square) / 2,
                                         (height - square) / 2, square, square));
  if (!middle) return nullptr;
  Pixbuf scaled(gdk_pixbuf_scale_simple(middle.get(), side, side, GDK_INTERP_BILINEAR));
  if (!scaled) return nullptr;
  // JPEG has no alpha: lay a transparent PNG over white first.
  if (gdk_pixbuf_get_has_alpha(scaled.get())) {
    Pixbuf flat(gdk_pixbuf_composite_color_simple(scaled.get(), side, side, GDK_INTERP_NEAREST, 255, side,
                                                  0xFFFFFF, 0xFFFFFF));
    if (!flat) return nullptr;
    Pixbuf opaque(gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, side, side));
    if (!opaque) return nullptr;
    gdk_pixbuf_copy_area(flat.get(), 0, 0, side, side, opaque.get(), 0, 0);
    return opaque;
  }
  return scaled;
}

}  // namespace

Pixbuf LoadPictureFile(const std::filesystem::path& file, int maxSide) {
  if (maxSide <= 0) return nullptr;
  int width = 0, height = 0;
  GdkPixbufFormat* format = gdk_pixbuf_get_file_info(file.c_str(), &width, &height);
  if (!IsPhotoFormat(format) || width <= 0 || height <= 0 ||
      static_cast<long long>(width) * height > kMaxStatedPixels)
    return nullptr;
  GError* error = nullptr;
  Pixbuf picture;
  if (width <= maxSide && height <= maxSide)
    picture.reset(gdk_pixbuf_new_from_file(file.c_str(), &error));
  else
    picture.reset(gdk_pixbuf_new_from_file_at_scale(file.c_str(), maxSide, maxSide, TRUE, &error));
  if (error) {
    g_error_free(error);
    return nullptr;
  }
  if (!picture) return nullptr;
  // EXIF orientation: a photo taken sideways shows upright.
  Pixbuf upright(gdk_pixbuf_apply_embedded_orientation(picture.get()));
  return upright ? std::move(upright) : std::move(picture);
}

std::vector<unsigned char> EncodeSquareJpeg(const GdkPixbuf* picture, int side, int quality) {
  Pixbuf square = SquareOf(picture, side);
  if (!square) return {};
  const std::string level = std::to_string(std::clamp(quality, 1, 100));
  gchar* buffer = nullptr;
  gsize size = 0;
  GError* error = nullptr;
  gboolean saved =
      gdk_pixbuf_save_to_buffer(square.get(), &buffer, &size, "jpeg", &error, "quality", level.c_str(), nullptr);
  std::vector<unsigned char> bytes;
  if (saved && buffer) bytes.assign(buffer, buffer + size);
  if (error) g_error_free(error);
  g_free(buffer);
  return bytes;
}

Surface SquareSurface(const GdkPixbuf* picture, int side) {
  Pixbuf square = SquareOf(picture, side);
  if (!square) return nullptr;
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, side, side));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(surface.get());
  const int channels = gdk_pixbuf_get_n_channels(square.get());
  const int srcStride = gdk_pixbuf_get_rowstride(square.get());
  const guchar* src = gdk_pixbuf_read_pixels(square.get());
  unsigned char* dst = cairo_image_surface_get_data(surface.get());
  const int dstStride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < side; ++y) {
    const guchar* in = src + y * srcStride;
    auto* out = reinterpret_cast<uint32_t*>(dst + y * dstStride);
    for (int x = 0; x < side; ++x, in += channels)
      out[x] = (uint32_t{in[0]} << 16) | (uint32_t{in[1]} << 8) | in[2];
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

Pixbuf PixbufFromSurface(cairo_surface_t* surface) {
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return nullptr;
  const cairo_format_t format = cairo_image_surface_get_format(surface);
  if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return nullptr;
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  if (width <= 0 || height <= 0) return nullptr;
  Pixbuf picture(gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height));
  if (!picture) return nullptr;
  cairo_surface_flush(surface);
  const unsigned char* src = cairo_image_surface_get_data(surface);
  const int srcStride = cairo_image_surface_get_stride(surface);
  guchar* dst = gdk_pixbuf_get_pixels(picture.get());
  const int dstStride = gdk_pixbuf_get_rowstride(picture.get());
  for (int y = 0; y < height; ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(src + y * srcStride);
    guchar* out = dst + y * dstStride;
    // Opaque pictures only: the scenes and the viewfinder never draw alpha.
    for (int x = 0; x < width; ++x, out += 3) {
      out[0] = static_cast<guchar>(in[x] >> 16);
      out[1] = static_cast<guchar>(in[x] >> 8);
      out[2] = static_cast<guchar>(in[x]);
    }
  }
  return picture;
}

}  // namespace mediapickers
