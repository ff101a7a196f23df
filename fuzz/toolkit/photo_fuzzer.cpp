// Photo bytes come from vCards and the store: check and decode whatever
// arrives, and draw what decodes as a contact header would. The decoding
// sources are built into this target so that their branches guide the fuzzer.
#include <cairo.h>

#include <cstddef>
#include <cstdint>

#include "image/PhotoDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qzfc::PhotoDecodeOptions options;
  options.maxWidth = 480;
  options.maxHeight = 800;
  cairo_surface_t* photo = qzfc::DecodePhoto(data, size, options);
  if (!photo) return 0;
  cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 155, 158);
  cairo_t* cr = cairo_create(frame);
  cairo_scale(cr, 155.0 / cairo_image_surface_get_width(photo), 158.0 / cairo_image_surface_get_height(photo));
  cairo_set_source_surface(cr, photo, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(frame);
  cairo_surface_destroy(photo);
  return 0;
}
