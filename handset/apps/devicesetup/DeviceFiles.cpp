#include "DeviceFiles.h"

#include <system_error>

#include "ce/files.h"

namespace vorna::device {
namespace {

namespace fs = std::filesystem;

constexpr const char kSatellite[] = "Vornalib.dll.0409.MUI";

fs::path BuildSource(const std::string& name) {
  if (name == kSatellite) return fs::path(VORNA_BUILD_RES_DIR) / name;
  return fs::path(VORNA_DEVICE_FILES_DIR) / "windows" / name;
}

}  // namespace

std::vector<std::string> DeviceFileNames() {
  std::vector<std::string> names;
  for (int tone = 1; tone <= 12; ++tone) names.push_back("DTMF" + std::to_string(tone) + ".WAV");
  names.push_back(kSatellite);
  return names;
}

InstallReport InstallDeviceFiles() {
  InstallReport report;
  // The folder keeps the case it was created with ("Windows" or "windows").
  fs::path folder;
  if (!ce::ResolveCePath(L"\\windows", folder)) {
    report.ok = false;
    return report;
  }
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    report.ok = false;
    return report;
  }
  for (const std::string& name : DeviceFileNames()) {
    fs::path target;
    std::wstring cePath = L"\\windows\\" + std::wstring(name.begin(), name.end());
    if (!ce::ResolveCePath(cePath, target)) {
      report.ok = false;
      continue;
    }
    if (fs::exists(target, error)) continue;
    fs::path source = BuildSource(name);
    if (!fs::exists(source, error)) {
      report.missing.push_back(name);
      continue;
    }
    // Copy to a temporary name first, so that a reader never sees half a file.
    fs::path partial = target;
    partial += ".part";
    if (!fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error)) {
      report.ok = false;
      continue;
    }
    fs::rename(partial, target, error);
    if (error) {
      fs::remove(partial, error);
      report.ok = false;
      continue;
    }
    report.copied.push_back(name);
  }
  return report;
}

}  // namespace vorna::device
