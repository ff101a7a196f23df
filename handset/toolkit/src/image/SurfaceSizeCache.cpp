#include "image/SurfaceSizeCache.h"

#include <cstddef>

namespace qzfc {

cairo_surface_t* SurfaceSizeCache::Get(int width, int height,
                                       const std::function<cairo_surface_t*(int, int)>& render) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].width == width && entries_[i].height == height) {
      Entry hit = entries_[i];
      entries_.erase(entries_.begin() + static_cast<ptrdiff_t>(i));
      entries_.insert(entries_.begin(), hit);
      return hit.surface;
    }
  }
  cairo_surface_t* surface = render(width, height);
  if (!surface) return nullptr;
  if (capacity_ == 0) capacity_ = 1;
  if (entries_.size() >= capacity_) {
    cairo_surface_destroy(entries_.back().surface);
    entries_.pop_back();
  }
  entries_.insert(entries_.begin(), Entry{width, height, surface});
  return surface;
}

void SurfaceSizeCache::Clear() {
  for (Entry& e : entries_) cairo_surface_destroy(e.surface);
  entries_.clear();
}

}  // namespace qzfc
