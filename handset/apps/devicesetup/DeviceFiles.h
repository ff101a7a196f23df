// The files the build provides for a device: the dial pad's key tones
// (DTMF1.WAV to DTMF12.WAV) and the library's English string satellite
// (Vornalib.dll.0409.MUI). On the handset they sit in \Windows; here they are
// copied into <root>/windows so that PlaySoundW and LoadLibraryExW find them
// on any device root, also when the build tree is gone.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vorna::device {

struct InstallReport {
  std::vector<std::string> copied;   // file names newly copied
  std::vector<std::string> missing;  // file names the build did not provide
  bool ok = true;                    // false when a copy failed
};

// Copies every file that the device's \windows folder lacks. Files already
// there are left alone, so a user's own tone or satellite wins.
InstallReport InstallDeviceFiles();

// The names of the files InstallDeviceFiles provides.
std::vector<std::string> DeviceFileNames();

}  // namespace vorna::device
