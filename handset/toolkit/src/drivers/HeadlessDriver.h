// The headless display: the picture stays in memory (tests save it as PNG),
// input comes only from the test robot, and the clock is virtual.
#pragma once

#include "drivers/Driver.h"

namespace qzfc {

class HeadlessDriver : public Driver {
 public:
  bool RealTime() const override { return false; }
  void Present(cairo_surface_t*, const RECT&) override {}
  void Wait(int timeoutMs) override;
  void Wake() override {}
};

}  // namespace qzfc
