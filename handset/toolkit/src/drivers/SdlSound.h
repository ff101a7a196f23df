// Sound under the SDL display: plays WAV files for PlaySoundW.
#pragma once

#include <filesystem>

#include "ce/types.h"

namespace qzfc {

class SdlSound {
 public:
  // Installs the player for PlaySoundW; false when SDL has no audio device.
  static bool Install();

 private:
  static bool Play(const std::filesystem::path& file, DWORD flags);
};

}  // namespace qzfc
