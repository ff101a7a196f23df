#include "ce/sound.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "ce/files.h"

namespace {

std::mutex g_mutex;
ce::SoundPlayer g_player;

ce::SoundPlayer CurrentPlayer() {
  std::lock_guard lock(g_mutex);
  return g_player;
}

std::wstring FlagsText(DWORD flags) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%08x", flags);
  return text;
}

}  // namespace

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound) {
  ce::SoundPlayer player = CurrentPlayer();
  std::wstring name = pszSound ? pszSound : L"";
  if (!pszSound) {
    if (player) player({}, fdwSound);
    ce::AppendLaunchJournal("sound", "stopped", name, FlagsText(fdwSound));
    return TRUE;
  }
  // FIXME: sounds in memory (SND_MEMORY) and in resource modules (SND_RESOURCE) are not played.
  if ((fdwSound & SND_MEMORY) || (fdwSound & SND_RESOURCE) == SND_RESOURCE) {
    ce::AppendLaunchJournal("sound", "failed", (fdwSound & SND_MEMORY) ? L"<memory>" : name, FlagsText(fdwSound));
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
  }
  std::filesystem::path file;
  std::error_code error;
  if (name.empty() || !ce::ResolveCePath(name, file) || !std::filesystem::is_regular_file(file, error)) {
    ce::AppendLaunchJournal("sound", "not-found", name, FlagsText(fdwSound));
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (!player) {
    ce::AppendLaunchJournal("sound", "silent", name, FlagsText(fdwSound));
    return TRUE;
  }
  // Journaled before playing: a synchronous sound returns only when it ends.
  ce::AppendLaunchJournal("sound", "played", name, FlagsText(fdwSound));
  return player(file, fdwSound) ? TRUE : FALSE;
}

namespace ce {

void SetSoundPlayer(SoundPlayer player) {
  std::lock_guard lock(g_mutex);
  g_player = std::move(player);
}

}  // namespace ce
