#include "image/SharedImageCache.h"

#include "qzfc/ImagingHelper.h"

namespace qzfc {

SharedImageCache& SharedImageCache::Instance() {
  // Never destroyed: pictures may still be drawn by static objects while the
  // process exits.
  static SharedImageCache* cache = new SharedImageCache;
  return *cache;
}

ImagingHelper* SharedImageCache::Get(HMODULE module, UINT type, UINT id) {
  auto key = std::make_tuple(module, type, id);
  auto found = images_.find(key);
  if (found != images_.end()) return found->second.get();
  auto image = std::make_unique<ImagingHelper>();
  image->LoadFromResource(module, type, id);
  ImagingHelper* result = image.get();
  images_.emplace(key, std::move(image));
  return result;
}

}  // namespace qzfc
