// Sound under the SDL display: plays WAV files for PlaySoundW through one
// audio device, opened once for the process.
#pragma once

#include <filesystem>

#include "ce/types.h"

namespace qzfc {

class SdlSound {
 public:
  // Opens the audio device and installs the player for PlaySoundW. Without
  // a device it notes so once in the debug log and installs nothing, so
  // sounds are journaled as silent and nothing is printed on the terminal.
  static bool Install();

 private:
  static bool Play(const std::filesystem::path& file, DWORD flags);
};

}  // namespace qzfc
