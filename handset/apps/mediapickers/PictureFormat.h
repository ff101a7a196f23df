// What a photo component hands back: a square JPEG of `side` pixels.
#pragma once

namespace mediapickers {

struct PictureFormat {
  int quality = 80;
  int side = 160;
};

}  // namespace mediapickers
