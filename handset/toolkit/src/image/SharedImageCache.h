// The toolkit's shared pictures: one ImagingHelper per image module and
// resource, made on first request and kept for the life of the process.
#pragma once

#include <map>
#include <memory>
#include <tuple>

#include "ce/types.h"

class ImagingHelper;

namespace qzfc {

class SharedImageCache {
 public:
  static SharedImageCache& Instance();

  // The shared picture of (module, type, id). A resource that is missing or
  // not a picture gives a shared empty object, so callers never receive
  // null and repeated requests do not search again.
  ImagingHelper* Get(HMODULE module, UINT type, UINT id);

 private:
  std::map<std::tuple<HMODULE, UINT, UINT>, std::unique_ptr<ImagingHelper>> images_;
};

}  // namespace qzfc
