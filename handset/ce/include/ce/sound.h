// Sounds. PlaySoundW writes every request to the launch journal
// (ce/journal.h) and hands it to the sound player that a display driver
// installed (the SDL driver plays it; headless, nothing sounds).
#pragma once

#include <filesystem>
#include <functional>

#include "ce/journal.h"
#include "ce/lasterror.h"
#include "ce/types.h"

#define SND_SYNC 0x00000000
#define SND_ASYNC 0x00000001
#define SND_NODEFAULT 0x00000002
#define SND_MEMORY 0x00000004
#define SND_LOOP 0x00000008
#define SND_NOSTOP 0x00000010
#define SND_NOWAIT 0x00002000
#define SND_ALIAS 0x00010000
#define SND_FILENAME 0x00020000
#define SND_RESOURCE 0x00040004

// Plays the sound file named by a CE path. TRUE when the file exists and the
// player (if any) accepted it; FALSE with ERROR_FILE_NOT_FOUND for a missing
// file and ERROR_NOT_SUPPORTED for sounds in memory or in resources. A null
// name stops what is playing and returns TRUE.
BOOL PlaySoundW(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);

namespace ce {

// Plays `file` with the PlaySoundW flags (SND_ASYNC: return at once; else
// return when done); an empty path stops the current sound. Returns whether
// the sound could be played.
using SoundPlayer = std::function<bool(const std::filesystem::path& file, DWORD flags)>;

// Installs the player for this process; an empty function removes it.
void SetSoundPlayer(SoundPlayer player);

}  // namespace ce
