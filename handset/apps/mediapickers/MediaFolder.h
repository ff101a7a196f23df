// The files of one kind in a folder of the device, as the pickers list them.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mediapickers {

struct MediaFile {
  std::wstring cePath;          // "\My Documents\My Ringtones\Bell.wav"
  std::filesystem::path file;   // where it is on this machine
  std::wstring baseName;        // "Bell"
};

// The regular files directly in a CE folder whose extension is one of
// `extensions` (".wav"; compared without regard to case), sorted by name
// without regard to case. Empty for a missing folder or a refused path.
std::vector<MediaFile> ListMediaFiles(std::wstring_view ceFolder, std::initializer_list<std::wstring_view> extensions);

}  // namespace mediapickers
