#include "drivers/SdlSound.h"

#include <SDL.h>

#include "ce/debug.h"
#include "ce/sound.h"

namespace qzfc {
namespace {

SDL_AudioDeviceID g_device = 0;
SDL_AudioSpec g_format{};

void NoteSilence(const char* why) { NKDbgPrintfW(L"qzfc: no sound device (%S); sounds are not played", why); }

// The device in a format every key tone fits; SDL converts it to what the
// hardware takes. Opening a device that is not there makes some audio
// libraries print their errors on the terminal, so a driver that lists no
// device at all is not asked to open one.
bool OpenDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    NoteSilence(SDL_GetError());
    return false;
  }
  if (SDL_GetNumAudioDevices(0) == 0) {
    NoteSilence("the audio driver lists none");
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = 44100;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  g_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &g_format, 0);
  if (!g_device) {
    NoteSilence(SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

// The WAV's samples in the device's format.
bool Load(const std::filesystem::path& file, Uint8*& samples, Uint32& length) {
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  if (!SDL_LoadWAV(file.c_str(), &format, &data, &length)) return false;
  SDL_AudioCVT convert;
  const int needed = SDL_BuildAudioCVT(&convert, format.format, format.channels, format.freq, g_format.format,
                                       g_format.channels, g_format.freq);
  if (needed < 0) {
    SDL_FreeWAV(data);
    return false;
  }
  if (needed == 0) {
    samples = data;
    return true;
  }
  convert.len = static_cast<int>(length);
  convert.buf = static_cast<Uint8*>(SDL_malloc(static_cast<std::size_t>(length) * static_cast<std::size_t>(convert.len_mult)));
  const bool converted = convert.buf && (SDL_memcpy(convert.buf, data, length), SDL_ConvertAudio(&convert) == 0);
  SDL_FreeWAV(data);
  if (!converted) {
    SDL_free(convert.buf);
    return false;
  }
  samples = convert.buf;
  length = static_cast<Uint32>(convert.len_cvt);
  return true;
}

}  // namespace

bool SdlSound::Install() {
  if (g_device == 0 && !OpenDevice()) return false;
  ce::SetSoundPlayer(&SdlSound::Play);
  return true;
}

// One sound at a time: a new sound cuts the one playing. Looping sounds
// play once.
bool SdlSound::Play(const std::filesystem::path& file, DWORD flags) {
  SDL_ClearQueuedAudio(g_device);
  if (file.empty()) return true;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!Load(file, samples, length)) return false;
  const bool queued = SDL_QueueAudio(g_device, samples, length) == 0;
  SDL_free(samples);
  if (!queued) return false;
  SDL_PauseAudioDevice(g_device, 0);
  if (!(flags & SND_ASYNC)) {
    while (SDL_GetQueuedAudioSize(g_device) > 0) SDL_Delay(5);
  }
  return true;
}

}  // namespace qzfc
