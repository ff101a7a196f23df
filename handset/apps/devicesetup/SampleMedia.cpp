#include "SampleMedia.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>

#include "GeneratedScene.h"
#include "PictureCodec.h"
#include "RingToneSynth.h"
#include "ce/files.h"
#include "dtmf_tone.h"

namespace vorna::device {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kSystemRings[] = L"\\Windows\\Rings";
constexpr wchar_t kUserRings[] = L"\\My Documents\\My Ringtones";
constexpr wchar_t kPictures[] = L"\\My Documents\\My Pictures";

struct SamplePicture {
  const char* fileName;
  int scene;
  int width, height;
};

const SamplePicture kSamplePictures[] = {
    {"Lake at noon.jpg", 0, 640, 480}, {"Dusk.jpg", 1, 640, 480},   {"Dawn.png", 2, 480, 640},
    {"Night.jpg", 3, 640, 480},        {"Autumn.png", 4, 480, 640}, {"Winter.jpg", 5, 640, 480},
};

std::wstring Wide(const char* ascii) { return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii)); }

// Writes through `write` into a temporary name and renames it into place.
bool WriteWhole(const fs::path& target, const std::function<bool(const fs::path&)>& write) {
  fs::path partial = target;
  partial += ".part";
  std::error_code error;
  if (!write(partial)) {
    fs::remove(partial, error);
    return false;
  }
  fs::rename(partial, target, error);
  if (error) fs::remove(partial, error);
  return !error;
}

bool WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

bool WritePicture(const fs::path& file, const SamplePicture& picture) {
  mediapickers::Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height));
  cairo_t* cr = cairo_create(surface.get());
  mediapickers::DrawScene(cr, picture.width, picture.height, mediapickers::SceneStyleAt(picture.scene),
                          picture.scene * 7.0);
  cairo_destroy(cr);
  mediapickers::Pixbuf pixbuf = mediapickers::PixbufFromSurface(surface.get());
  if (!pixbuf) return false;
  const bool jpeg = fs::path(picture.fileName).extension() == ".jpg";
  GError* error = nullptr;
  gboolean saved = jpeg ? gdk_pixbuf_save(pixbuf.get(), file.c_str(), "jpeg", &error, "quality", "90", nullptr)
                        : gdk_pixbuf_save(pixbuf.get(), file.c_str(), "png", &error, nullptr);
  if (error) g_error_free(error);
  return saved;
}

bool WriteTone(const fs::path& file, const RingToneRecipe& recipe) {
  return WriteBytes(file, vorna::res::PcmWavFile(SynthesiseRingTone(recipe), kRingSampleRate));
}

// The folder of a CE path; `created` tells whether it had to be made.
bool PrepareFolder(const wchar_t* ceFolder, fs::path& folder, bool& created) {
  if (!ce::ResolveCePath(ceFolder, folder)) return false;
  std::error_code error;
  created = !fs::exists(folder, error);
  fs::create_directories(folder, error);
  return !error;
}

// Makes the file unless it exists; records what it made.
void Provide(SampleMediaReport& report, const wchar_t* ceFolder, const fs::path& folder, const char* name,
             const std::function<bool(const fs::path&)>& write) {
  std::error_code error;
  const fs::path target = folder / name;
  if (fs::exists(target, error)) return;
  if (WriteWhole(target, write))
    report.written.push_back(std::wstring(ceFolder) + L"\\" + Wide(name));
  else
    report.ok = false;
}

}  // namespace

SampleMediaReport InstallSampleMedia() {
  SampleMediaReport report;
  fs::path folder;
  bool created = false;
  if (PrepareFolder(kSystemRings, folder, created)) {
    for (const RingToneRecipe& tone : SystemRingTones())
      Provide(report, kSystemRings, folder, tone.fileName, [&tone](const fs::path& f) { return WriteTone(f, tone); });
  } else {
    report.ok = false;
  }
  if (PrepareFolder(kUserRings, folder, created)) {
    if (created)
      Provide(report, kUserRings, folder, UserRingTone().fileName,
              [](const fs::path& f) { return WriteTone(f, UserRingTone()); });
  } else {
    report.ok = false;
  }
  if (PrepareFolder(kPictures, folder, created)) {
    if (created)
      for (const SamplePicture& picture : kSamplePictures)
        Provide(report, kPictures, folder, picture.fileName,
                [&picture](const fs::path& f) { return WritePicture(f, picture); });
  } else {
    report.ok = false;
  }
  return report;
}

}  // namespace vorna::device
