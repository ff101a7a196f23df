// Pictures made in memory for the image tests: PNG and JPEG bytes from
// gdk-pixbuf and Cairo, pixel reads from Cairo surfaces.
#pragma once

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace vorna::test {

struct Rgb {
  int r, g, b;
};

// A picture of a `left` and a `right` half, encoded as `type` ("png", "jpeg").
inline std::vector<unsigned char> Encode(const char* type, int width, int height, Rgb left, Rgb right) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb c = x < width / 2 ? left : right;
      guchar* p = pixels + y * stride + x * 3;
      p[0] = static_cast<guchar>(c.r);
      p[1] = static_cast<guchar>(c.g);
      p[2] = static_cast<guchar>(c.b);
    }
  }
  gchar* buffer = nullptr;
  gsize size = 0;
  GError* error = nullptr;
  std::vector<unsigned char> bytes;
  if (gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, type, &error, nullptr)) bytes.assign(buffer, buffer + size);
  g_clear_error(&error);
  g_free(buffer);
  g_object_unref(pixbuf);
  return bytes;
}

inline std::vector<unsigned char> MakePng(int width, int height, Rgb left, Rgb right) {
  return Encode("png", width, height, left, right);
}

inline std::vector<unsigned char> MakeJpeg(int width, int height, Rgb left, Rgb right) {
  return Encode("jpeg", width, height, left, right);
}

inline std::string MakeSvg(int width, int height, const char* left, const char* right) {
  std::string w = std::to_string(width), h = std::to_string(height), half = std::to_string(width / 2.0);
  return "<svg xmlns='http://www.w3.org/2000/svg' width='" + w + "' height='" + h + "' viewBox='0 0 " + w + " " + h +
         "'><rect x='0' y='0' width='" + half + "' height='" + h + "' fill='" + left + "'/><rect x='" + half +
         "' y='0' width='" + half + "' height='" + h + "' fill='" + right + "'/></svg>";
}

// The pixel at (x, y) as 0xAARRGGBB, premultiplied as Cairo keeps it.
inline uint32_t PixelAt(cairo_surface_t* surface, int x, int y) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  return *reinterpret_cast<uint32_t*>(data + y * stride + x * 4);
}

// Whether a pixel is opaque and close to a colour (JPEG is lossy).
inline bool Near(uint32_t pixel, Rgb colour, int tolerance = 24) {
  int a = pixel >> 24, r = (pixel >> 16) & 255, g = (pixel >> 8) & 255, b = pixel & 255;
  return a == 255 && std::abs(r - colour.r) <= tolerance && std::abs(g - colour.g) <= tolerance &&
         std::abs(b - colour.b) <= tolerance;
}

}  // namespace vorna::test
