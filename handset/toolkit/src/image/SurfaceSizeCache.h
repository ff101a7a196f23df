// Rendered copies of one picture, one per size, the most recently used kept.
#pragma once

#include <cairo.h>

#include <functional>
#include <vector>

namespace qzfc {

class SurfaceSizeCache {
 public:
  explicit SurfaceSizeCache(size_t capacity) : capacity_(capacity) {}
  ~SurfaceSizeCache() { Clear(); }
  SurfaceSizeCache(const SurfaceSizeCache&) = delete;
  SurfaceSizeCache& operator=(const SurfaceSizeCache&) = delete;

  // The surface of that size, made by render (which returns a new surface
  // or null) when it is not cached. The cache keeps ownership; the pointer
  // is valid until the next call or Clear.
  cairo_surface_t* Get(int width, int height, const std::function<cairo_surface_t*(int, int)>& render);
  void Clear();
  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    int width;
    int height;
    cairo_surface_t* surface;
  };
  size_t capacity_;
  std::vector<Entry> entries_;  // most recently used first
};

}  // namespace qzfc
