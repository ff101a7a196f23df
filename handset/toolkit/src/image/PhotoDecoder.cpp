#include "image/PhotoDecoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cstdint>

#include "image/PhotoFormat.h"

namespace qzfc {

namespace {

// Called once the loader knows the picture's size, before the pixels are
// decoded: shrinks an oversized picture so that decoding never allocates
// more than the bound.
void OnSizePrepared(GdkPixbufLoader* loader, int width, int height, gpointer data) {
  const auto* options = static_cast<const PhotoDecodeOptions*>(data);
  if (width <= 0 || height <= 0) return;
  if (width <= options->maxWidth && height <= options->maxHeight) return;
  double scale = std::min(static_cast<double>(options->maxWidth) / width,
                          static_cast<double>(options->maxHeight) / height);
  int w = std::max(1, static_cast<int>(width * scale));
  int h = std::max(1, static_cast<int>(height * scale));
  gdk_pixbuf_loader_set_size(loader, w, h);
}

// GdkPixbuf rows are RGB(A), not premultiplied; Cairo wants premultiplied
// native-endian ARGB words.
cairo_surface_t* ToSurface(GdkPixbuf* pixbuf) {
  int width = gdk_pixbuf_get_width(pixbuf);
  int height = gdk_pixbuf_get_height(pixbuf);
  int channels = gdk_pixbuf_get_n_channels(pixbuf);
  bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  if (gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || channels < (alpha ? 4 : 3)) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_surface_flush(surface);
  const guchar* src = gdk_pixbuf_read_pixels(pixbuf);
  int srcStride = gdk_pixbuf_get_rowstride(pixbuf);
  unsigned char* dst = cairo_image_surface_get_data(surface);
  int dstStride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const guchar* in = src + static_cast<ptrdiff_t>(y) * srcStride;
    auto* out = reinterpret_cast<uint32_t*>(dst + static_cast<ptrdiff_t>(y) * dstStride);
    for (int x = 0; x < width; ++x, in += channels) {
      uint32_t a = alpha ? in[3] : 255;
      uint32_t r = (in[0] * a + 127) / 255;
      uint32_t g = (in[1] * a + 127) / 255;
      uint32_t b = (in[2] * a + 127) / 255;
      out[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace

cairo_surface_t* DecodePhoto(const void* data, size_t length, const PhotoDecodeOptions& options) {
  if (!data || length == 0 || length > kMaxPhotoBytes) return nullptr;
  const auto* bytes = static_cast<const unsigned char*>(data);
  PhotoFormat kind = SniffPhotoFormat(bytes, length);
  if (kind == PhotoFormat::Unknown || !IsCompletePhoto(kind, bytes, length)) return nullptr;
  const char* format = kind == PhotoFormat::Png ? "png" : "jpeg";

  GError* error = nullptr;
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type(format, &error);
  if (!loader) {
    g_clear_error(&error);
    return nullptr;
  }
  g_signal_connect(loader, "size-prepared", G_CALLBACK(OnSizePrepared), const_cast<PhotoDecodeOptions*>(&options));
  bool complete = gdk_pixbuf_loader_write(loader, bytes, length, &error);
  g_clear_error(&error);
  // Close even after a failed write: the loader must be closed before it is
  // released. A truncated picture fails here.
  complete = gdk_pixbuf_loader_close(loader, &error) && complete;
  g_clear_error(&error);

  cairo_surface_t* surface = nullptr;
  GdkPixbuf* pixbuf = complete ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
  if (pixbuf) {
    GdkPixbuf* upright = options.applyOrientation ? gdk_pixbuf_apply_embedded_orientation(pixbuf)
                                                  : static_cast<GdkPixbuf*>(g_object_ref(pixbuf));
    if (upright) {
      surface = ToSurface(upright);
      g_object_unref(upright);
    }
  }
  g_object_unref(loader);
  return surface;
}

}  // namespace qzfc
