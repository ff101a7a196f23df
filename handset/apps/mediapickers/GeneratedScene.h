// A landscape drawn from a handful of numbers: sky, sun or moon, two ranges
// of hills, a lake and drifting clouds. The camera's viewfinder shows it in
// place of a camera, and the device setup draws its sample pictures with it.
#pragma once

#include <cairo.h>

namespace mediapickers {

struct SceneStyle {
  double skyTop[3];
  double skyBottom[3];
  double sun[3];
  double farHills[3];
  double nearHills[3];
  double sunHeight;  // 0 on the horizon, 1 at the top
  bool stars;
};

// The scenes by number (any value; they repeat after SceneStyleCount()).
SceneStyle SceneStyleAt(int index);
int SceneStyleCount();

// Fills the rectangle (0, 0, width, height) of `cr`. `phase` (seconds, any
// value) moves the clouds; the same arguments draw the same picture.
void DrawScene(cairo_t* cr, double width, double height, const SceneStyle& style, double phase);

}  // namespace mediapickers
