// ImagingHelper: one picture of the toolkit, either an SVG from an image
// module (rendered once per size it is drawn at) or a photo decoded from JPEG
// or PNG bytes.
//
// Image modules are resource modules (LoadLibraryExW as a data file) holding
// one SVG document per picture id, as resources of type RT_QZIMAGE; a
// module's pictures of type RT_RCDATA (10) are found by id as well.
//
// Shared images come from GetImageObject and are owned by the toolkit's
// cache; photos are objects of their owner, loaded with LoadFromBuffer and
// released with Unload or by destruction. Every operation is safe on an
// object that holds no picture: it draws nothing and measures 0 x 0.
// Pictures and the cache belong to the UI thread.
#pragma once

#include <memory>

#include "ce/types.h"

typedef struct _cairo cairo_t;

// Resource type of the SVG pictures of an image module.
#define RT_QZIMAGE 256

namespace qzfc {
class SvgImage;
class SurfaceSizeCache;
}  // namespace qzfc

class ImagingHelper {
 public:
  ImagingHelper();
  ~ImagingHelper();
  ImagingHelper(const ImagingHelper&) = delete;
  ImagingHelper& operator=(const ImagingHelper&) = delete;

  // The shared picture `id` of an image module (type RT_QZIMAGE, else
  // RT_RCDATA), loaded on first request and kept by the toolkit: the same
  // module and id give the same object, which the caller must not delete.
  // A missing picture (module 0, an unknown id, bytes that are not an SVG)
  // gives an empty object rather than null. With shared FALSE the caller
  // gets a new object of its own to delete.
  static ImagingHelper* GetImageObject(HMODULE module, UINT id, BOOL shared);
  // The same for a picture of a given resource type.
  static ImagingHelper* GetImageObject(HMODULE module, UINT type, UINT id, BOOL shared);

  // Loads an SVG picture from a resource module, replacing what the object
  // held. type 0 means RT_QZIMAGE, else RT_RCDATA.
  BOOL LoadFromResource(HMODULE module, UINT type, UINT id);

  // Loads a JPEG or PNG picture from bytes, replacing what the object held.
  // applyOrientation turns it upright by its EXIF tag; fitScreen decodes a
  // picture larger than the screen (480 x 800) at a size that fits it, which
  // is all a photo is ever drawn at and keeps large photos cheap (without it
  // pictures are still bounded to 4096 x 4096); keepScaled keeps the scaled
  // copies that Draw makes, so that repainting a photo at the same size
  // costs one copy. FALSE, with the object left empty, for anything that is
  // not a complete JPEG or PNG picture.
  BOOL LoadFromBuffer(const void* data, UINT length, BOOL applyOrientation, BOOL fitScreen, BOOL keepScaled);
  // Loads an SVG picture from its bytes, replacing what the object held.
  BOOL LoadSvg(const void* data, UINT length);
  void Unload();
  BOOL IsLoaded() const;

  // The picture's own size in pixels; 0 when nothing is loaded.
  int GetWidth() const;
  int GetHeight() const;

  // Draws into rect (left, top, right, bottom) of a device context:
  // - stretch false: at the picture's own size, centred in rect (a picture
  //   made for the rectangle's size fills it exactly);
  // - stretch true, keepAspect false: stretched to fill rect exactly;
  // - stretch true, keepAspect true: scaled evenly until it covers rect,
  //   centred, and cut to rect (a photo filling a frame without distortion).
  // FALSE when nothing is loaded, the arguments are null or rect is empty.
  BOOL Draw(HDC dc, const RECT* rect, BOOL stretch, BOOL keepAspect);
  BOOL Draw(HDC dc, const RECT& rect, BOOL stretch, BOOL keepAspect) { return Draw(dc, &rect, stretch, keepAspect); }
  // The same onto a Cairo context.
  BOOL DrawOnCairo(cairo_t* cr, const RECT* rect, BOOL stretch, BOOL keepAspect);

 private:
  std::unique_ptr<qzfc::SvgImage> svg_;
  struct Raster;
  std::unique_ptr<Raster> raster_;
  std::unique_ptr<qzfc::SurfaceSizeCache> sizes_;
};
