// Decoding of contact photos (JPEG and PNG bytes) into Cairo image surfaces.
// The bytes come from outside (vCards, the store), so only these two formats
// are accepted, whatever other loaders the system has, and the decoded size
// is bounded.
#pragma once

#include <cairo.h>

#include <cstddef>

namespace qzfc {

struct PhotoDecodeOptions {
  // Turn the picture upright as its EXIF orientation tag says.
  bool applyOrientation = true;
  // Largest width and height of the decoded picture; a larger picture is
  // scaled down (keeping its aspect ratio) while it is decoded.
  int maxWidth = 4096;
  int maxHeight = 4096;
};

// Inputs above this size are refused without being read.
constexpr size_t kMaxPhotoBytes = 32u << 20;

// An ARGB32 surface (premultiplied) owned by the caller, or null when the
// bytes are not a complete JPEG or PNG picture.
cairo_surface_t* DecodePhoto(const void* data, size_t length, const PhotoDecodeOptions& options);

}  // namespace qzfc
