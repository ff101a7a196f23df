// Starts the SDL screen and plays a sound file N times, as the dial pad's
// key tones do: sound_peer CE_PATH N. Exit status 0 when every PlaySoundW
// said yes, 1 when one said no, 2 when the screen did not start.
#include <cstdlib>
#include <string>

#include "ce/sound.h"
#include "ce/utf8.h"
#include "qzfc/Screen.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (!qzfc::Screen::Start(qzfc::Display::Sdl)) return 2;
  qzfc::Screen::Get();
  const std::wstring sound = ce::FromUtf8(argv[1]);
  bool all = true;
  for (int i = std::atoi(argv[2]); i > 0; --i) all = PlaySoundW(sound.c_str(), nullptr, SND_FILENAME) && all;
  return all ? 0 : 1;
}
