// The toolkit's clock: milliseconds that timers, press-and-hold, repeat,
// double-click and animations read.
//
// Under a real display it follows the monotonic system clock. On the headless
// screen it is virtual: it stands still until a test advances it (through the
// message loop, so that due timers fire in order on the way).
#pragma once

#include "ce/types.h"

namespace qzfc {

class Clock {
 public:
  static DWORD Now();
  static bool IsVirtual();
  // Chosen by the display when it starts; virtual is the default.
  static void SetVirtual(bool isVirtual);
  // Sets virtual time (only MessageLoop::AdvanceClock should call this).
  static void SetVirtualNow(DWORD now);
};

}  // namespace qzfc
