// The SDL display: the screen in a real window. The mouse is the finger
// (button 1 down, moves while down, up); typed text arrives as WM_CHAR at the
// foreground window, Backspace as 8 and Enter as 13; F1 or Home is the
// handset's M key. Closing the window quits the loop. The clock is real.
// PlaySoundW plays WAV files through SDL audio.
#pragma once

#include <memory>

#include "drivers/Driver.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace qzfc {

class SdlDriver : public Driver {
 public:
  // NULL when SDL has no video device.
  static std::unique_ptr<Driver> Open(int width, int height);
  ~SdlDriver() override;

  bool RealTime() const override { return true; }
  void Present(cairo_surface_t* screen, const RECT& area) override;
  void Wait(int timeoutMs) override;
  void Wake() override;
  bool ReadBack(cairo_surface_t* out) override;

 private:
  SdlDriver() = default;
  bool HandleEvents(int timeoutMs);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool mouseDown_ = false;
};

}  // namespace qzfc
