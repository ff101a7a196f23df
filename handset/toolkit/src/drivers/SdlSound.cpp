#include "drivers/SdlSound.h"

#include <SDL.h>

#include "ce/sound.h"

namespace qzfc {
namespace {

SDL_AudioDeviceID g_device = 0;

void Stop() {
  if (g_device) SDL_CloseAudioDevice(g_device);
  g_device = 0;
}

}  // namespace

bool SdlSound::Install() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  ce::SetSoundPlayer(&SdlSound::Play);
  return true;
}

// One sound at a time: a new sound cuts the one playing. Looping sounds
// play once.
bool SdlSound::Play(const std::filesystem::path& file, DWORD flags) {
  Stop();
  if (file.empty()) return true;
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(file.c_str(), &format, &data, &length)) return false;
  g_device = SDL_OpenAudioDevice(nullptr, 0, &format, nullptr, 0);
  bool ok = g_device != 0 && SDL_QueueAudio(g_device, data, length) == 0;
  SDL_FreeWAV(data);
  if (!ok) {
    Stop();
    return false;
  }
  SDL_PauseAudioDevice(g_device, 0);
  if (!(flags & SND_ASYNC)) {
    while (SDL_GetQueuedAudioSize(g_device) > 0) SDL_Delay(5);
  }
  return true;
}

}  // namespace qzfc
