// Decoding and encoding of photos through gdk-pixbuf, and the hand-over
// between gdk-pixbuf pictures and Cairo surfaces.
#pragma once

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace mediapickers {

struct PixbufUnref {
  void operator()(GdkPixbuf* p) const { g_object_unref(p); }
};
using Pixbuf = std::unique_ptr<GdkPixbuf, PixbufUnref>;

struct SurfaceDestroy {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroy>;

// A JPEG or PNG file, decoded to fit within maxSide x maxSide (the decoder
// scales while it reads, so a large photo stays cheap). Null for any other
// file, a damaged one, or one whose stated size is absurd.
Pixbuf LoadPictureFile(const std::filesystem::path& file, int maxSide);

// The middle square of a picture, scaled to side x side, as JPEG bytes of the
// given quality (1 to 100). Empty when encoding fails.
std::vector<unsigned char> EncodeSquareJpeg(const GdkPixbuf* picture, int side, int quality);

// The middle square of a picture, scaled to side x side, as a Cairo surface
// for drawing (thumbnails).
Surface SquareSurface(const GdkPixbuf* picture, int side);

// A copy of a Cairo image surface (ARGB32 or RGB24) as an opaque picture.
Pixbuf PixbufFromSurface(cairo_surface_t* surface);

}  // namespace mediapickers
