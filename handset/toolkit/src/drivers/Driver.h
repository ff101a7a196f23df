// A display driver: shows the screen's picture and turns the user's input
// into messages on the loop.
#pragma once

#include <cairo.h>

#include "ce/types.h"

namespace qzfc {

class Driver {
 public:
  virtual ~Driver() = default;
  // Whether the clock follows real time (else the clock is virtual).
  virtual bool RealTime() const = 0;
  // The rectangle of the screen surface changed.
  virtual void Present(cairo_surface_t* screen, const RECT& area) = 0;
  // Blocks up to `timeoutMs` (-1: until something happens) for input, a
  // wake-up or a message from another process; input is posted to the loop.
  virtual void Wait(int timeoutMs) = 0;
  // Ends a Wait early (any thread).
  virtual void Wake() = 0;
  // Reads back what the display shows into an image surface of the screen's
  // size; false when the display keeps no picture of its own.
  virtual bool ReadBack(cairo_surface_t* out) { return false; }
};

}  // namespace qzfc
