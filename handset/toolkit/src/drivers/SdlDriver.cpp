#include "drivers/SdlDriver.h"

#include <SDL.h>
#include <poll.h>

#include <algorithm>
#include <cstring>

#include "ce/utf8.h"
#include "ce/window_registry.h"
#include "drivers/SdlSound.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/Screen.h"
#include "qzfc/WinApi.h"

namespace qzfc {
namespace {

Uint32 WakeEventType() {
  static Uint32 type = SDL_RegisterEvents(1);
  return type;
}

void PostMouse(UINT msg, int x, int y) { MessageLoop::Get().Post(nullptr, msg, MK_LBUTTON, MAKELPARAM(x, y)); }

// Typed text (UTF-8) becomes one WM_CHAR per character.
void PostText(const char* text) {
  for (wchar_t c : ce::FromUtf8(text)) MessageLoop::Get().Post(nullptr, WM_CHAR, static_cast<WPARAM>(c), 0);
}

}  // namespace

std::unique_ptr<Driver> SdlDriver::Open(int width, int height) {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return nullptr;
  std::unique_ptr<SdlDriver> d(new SdlDriver);
  d->window_ = SDL_CreateWindow("Vorna", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                SDL_WINDOW_RESIZABLE);
  if (!d->window_) return nullptr;
  d->renderer_ = SDL_CreateRenderer(d->window_, -1, 0);
  if (!d->renderer_) d->renderer_ = SDL_CreateRenderer(d->window_, -1, SDL_RENDERER_SOFTWARE);
  if (!d->renderer_) return nullptr;
  // Scales the screen to the window and maps the mouse back to screen pixels.
  SDL_RenderSetLogicalSize(d->renderer_, width, height);
  d->texture_ =
      SDL_CreateTexture(d->renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
  if (!d->texture_) return nullptr;
  WakeEventType();
  SDL_StartTextInput();
  SdlSound::Install();  // without an audio device the handset is silent
  return d;
}

SdlDriver::~SdlDriver() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

void SdlDriver::Present(cairo_surface_t* screen, const RECT& area) {
  cairo_surface_flush(screen);
  // Cairo's RGB24 and SDL's ARGB8888 share the 32-bit pixel layout.
  SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(screen),
                    cairo_image_surface_get_stride(screen));
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

bool SdlDriver::ReadBack(cairo_surface_t* out) {
  // The renderer scales to the window; read the frame at the screen's size.
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, Screen::kWidth, Screen::kHeight, 32,
                                                      SDL_PIXELFORMAT_ARGB8888);
  if (!frame) return false;
  Present(Screen::Get().Surface(), RECT{0, 0, Screen::kWidth, Screen::kHeight});
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  bool ok = w == Screen::kWidth && h == Screen::kHeight &&
            SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, frame->pixels, frame->pitch) == 0;
  if (ok) {
    cairo_surface_flush(out);
    unsigned char* dst = cairo_image_surface_get_data(out);
    int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < Screen::kHeight; ++y)
      std::memcpy(dst + y * stride, static_cast<unsigned char*>(frame->pixels) + y * frame->pitch,
                  static_cast<size_t>(Screen::kWidth) * 4);
    cairo_surface_mark_dirty(out);
  }
  SDL_FreeSurface(frame);
  return ok;
}

void SdlDriver::Wake() {
  SDL_Event e{};
  e.type = WakeEventType();
  SDL_PushEvent(&e);
}

void SdlDriver::Wait(int timeoutMs) {
  // Waits in short slices so that messages from other processes (a socket
  // SDL does not watch) are picked up promptly.
  Uint32 start = SDL_GetTicks();
  for (;;) {
    int fd = ce::ForeignMessageFd();
    if (fd >= 0) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 0) > 0) {
        ce::PumpForeignMessages();
        return;
      }
    }
    int slice = 10;
    if (timeoutMs >= 0) {
      int left = timeoutMs - static_cast<int>(SDL_GetTicks() - start);
      if (left <= 0) return;
      slice = std::min(slice, left);
    }
    if (HandleEvents(slice)) return;
  }
}

bool SdlDriver::HandleEvents(int timeoutMs) {
  SDL_Event e;
  if (!SDL_WaitEventTimeout(&e, timeoutMs)) return false;
  do {
    switch (e.type) {
      case SDL_QUIT: PostQuitMessage(0); break;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) {
          mouseDown_ = true;
          PostMouse(WM_LBUTTONDOWN, e.button.x, e.button.y);
        }
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT && mouseDown_) {
          mouseDown_ = false;
          PostMouse(WM_LBUTTONUP, e.button.x, e.button.y);
        }
        break;
      case SDL_MOUSEMOTION:
        if (mouseDown_) PostMouse(WM_MOUSEMOVE, e.motion.x, e.motion.y);
        break;
      case SDL_TEXTINPUT: PostText(e.text.text); break;
      case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
          case SDLK_BACKSPACE: MessageLoop::Get().Post(nullptr, WM_CHAR, 8, 0); break;
          case SDLK_RETURN: MessageLoop::Get().Post(nullptr, WM_CHAR, 13, 0); break;
          case SDLK_F1:
          case SDLK_HOME: Screen::Get().PressMKey(); break;
          default: break;
        }
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
          Present(Screen::Get().Surface(), RECT{0, 0, Screen::kWidth, Screen::kHeight});
        break;
      default: break;
    }
  } while (SDL_PollEvent(&e));
  return true;
}

}  // namespace qzfc
