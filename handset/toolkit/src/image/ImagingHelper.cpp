#include "qzfc/ImagingHelper.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "ce/gdi.h"
#include "ce/modules.h"
#include "image/PhotoDecoder.h"
#include "image/SharedImageCache.h"
#include "image/SurfaceSizeCache.h"
#include "image/SvgImage.h"

namespace {

constexpr int kScreenWidth = 480;
constexpr int kScreenHeight = 800;
// Sizes kept per picture: an icon is drawn at one or two sizes; a photo at
// its header frame and perhaps an editor frame.
constexpr size_t kSizesKept = 4;
// No picture is rendered or scaled beyond this side, whatever the rectangle.
constexpr long long kMaxDrawSide = 2048;

cairo_surface_t* ScaleSurface(cairo_surface_t* source, int width, int height) {
  int sw = cairo_image_surface_get_width(source);
  int sh = cairo_image_surface_get_height(source);
  cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(scaled) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(scaled);
    return nullptr;
  }
  cairo_t* cr = cairo_create(scaled);
  cairo_scale(cr, static_cast<double>(width) / sw, static_cast<double>(height) / sh);
  cairo_set_source_surface(cr, source, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(scaled);
  return scaled;
}

}  // namespace

struct ImagingHelper::Raster {
  cairo_surface_t* surface = nullptr;
  bool keepScaled = false;
  ~Raster() { cairo_surface_destroy(surface); }
};

ImagingHelper::ImagingHelper() : sizes_(std::make_unique<qzfc::SurfaceSizeCache>(kSizesKept)) {}

ImagingHelper::~ImagingHelper() = default;

ImagingHelper* ImagingHelper::GetImageObject(HMODULE module, UINT id, BOOL shared) {
  return GetImageObject(module, 0, id, shared);
}

ImagingHelper* ImagingHelper::GetImageObject(HMODULE module, UINT type, UINT id, BOOL shared) {
  if (shared) return qzfc::SharedImageCache::Instance().Get(module, type, id);
  auto* image = new ImagingHelper;
  image->LoadFromResource(module, type, id);
  return image;
}

BOOL ImagingHelper::LoadFromResource(HMODULE module, UINT type, UINT id) {
  Unload();
  if (!module) return FALSE;
  std::span<const std::byte> bytes;
  if (type != 0) {
    bytes = ce::FindResourceBytes(module, type, id);
  } else {
    bytes = ce::FindResourceBytes(module, RT_QZIMAGE, id);
    if (bytes.empty()) bytes = ce::FindResourceBytes(module, RT_RCDATA, id);
  }
  if (bytes.empty()) return FALSE;
  return LoadSvg(bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL ImagingHelper::LoadFromBuffer(const void* data, UINT length, BOOL applyOrientation, BOOL fitScreen,
                                   BOOL keepScaled) {
  Unload();
  qzfc::PhotoDecodeOptions options;
  options.applyOrientation = applyOrientation;
  if (fitScreen) {
    options.maxWidth = kScreenWidth;
    options.maxHeight = kScreenHeight;
  }
  cairo_surface_t* surface = qzfc::DecodePhoto(data, length, options);
  if (!surface) return FALSE;
  raster_ = std::make_unique<Raster>();
  raster_->surface = surface;
  raster_->keepScaled = keepScaled;
  return TRUE;
}

BOOL ImagingHelper::LoadSvg(const void* data, UINT length) {
  Unload();
  svg_ = qzfc::SvgImage::Parse(data, length);
  return svg_ != nullptr;
}

void ImagingHelper::Unload() {
  sizes_->Clear();
  svg_.reset();
  raster_.reset();
}

BOOL ImagingHelper::IsLoaded() const { return svg_ || raster_; }

int ImagingHelper::GetWidth() const {
  if (svg_) return svg_->width();
  if (raster_) return cairo_image_surface_get_width(raster_->surface);
  return 0;
}

int ImagingHelper::GetHeight() const {
  if (svg_) return svg_->height();
  if (raster_) return cairo_image_surface_get_height(raster_->surface);
  return 0;
}

BOOL ImagingHelper::Draw(HDC dc, const RECT* rect, BOOL stretch, BOOL keepAspect) {
  return DrawOnCairo(dc ? CeGetCairo(dc) : nullptr, rect, stretch, keepAspect);
}

BOOL ImagingHelper::DrawOnCairo(cairo_t* cr, const RECT* rect, BOOL stretch, BOOL keepAspect) {
  if (!cr || !rect || !IsLoaded()) return FALSE;
  long long rectWidth = static_cast<long long>(rect->right) - rect->left;
  long long rectHeight = static_cast<long long>(rect->bottom) - rect->top;
  if (rectWidth <= 0 || rectHeight <= 0 || rectWidth > kMaxDrawSide || rectHeight > kMaxDrawSide) return FALSE;
  int rw = static_cast<int>(rectWidth);
  int rh = static_cast<int>(rectHeight);
  int w = GetWidth();
  int h = GetHeight();
  if (stretch && keepAspect) {
    double scale = std::max(static_cast<double>(rw) / w, static_cast<double>(rh) / h);
    double sw = std::round(w * scale);
    double sh = std::round(h * scale);
    // Covering a wide rectangle with a tall picture can ask for a huge one.
    if (sw > kMaxDrawSide || sh > kMaxDrawSide) return FALSE;
    w = std::max(1, static_cast<int>(sw));
    h = std::max(1, static_cast<int>(sh));
  } else if (stretch) {
    w = rw;
    h = rh;
  }

  cairo_surface_t* surface = nullptr;
  cairo_surface_t* temporary = nullptr;
  if (svg_) {
    surface = sizes_->Get(w, h, [this](int sw, int sh) { return svg_->Render(sw, sh); });
  } else if (w == GetWidth() && h == GetHeight()) {
    surface = raster_->surface;
  } else if (raster_->keepScaled) {
    surface = sizes_->Get(w, h, [this](int sw, int sh) { return ScaleSurface(raster_->surface, sw, sh); });
  } else {
    surface = temporary = ScaleSurface(raster_->surface, w, h);
  }
  if (!surface) return FALSE;

  double x = rect->left + (rw - w) / 2;
  double y = rect->top + (rh - h) / 2;
  cairo_save(cr);
  if (stretch && keepAspect) {
    cairo_rectangle(cr, rect->left, rect->top, rw, rh);
    cairo_clip(cr);
  }
  cairo_set_source_surface(cr, surface, x, y);
  cairo_paint(cr);
  cairo_restore(cr);
  if (temporary) cairo_surface_destroy(temporary);
  return TRUE;
}
