// Any bytes as a file in the picture folder: never a crash; a file that
// decodes gives a JPEG of exactly the asked side, one that does not gives
// nothing.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "PictureCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("picture_file_fuzz." + std::to_string(getpid()));
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  mediapickers::Pixbuf picture = mediapickers::LoadPictureFile(file, 320);
  if (!picture) return 0;
  if (gdk_pixbuf_get_width(picture.get()) > 320 || gdk_pixbuf_get_height(picture.get()) > 320) std::abort();
  std::vector<unsigned char> jpeg = mediapickers::EncodeSquareJpeg(picture.get(), 64, 80);
  if (jpeg.empty()) return 0;
  mediapickers::Pixbuf back;
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("jpeg", nullptr);
  if (gdk_pixbuf_loader_write(loader, jpeg.data(), jpeg.size(), nullptr) && gdk_pixbuf_loader_close(loader, nullptr)) {
    GdkPixbuf* decoded = gdk_pixbuf_loader_get_pixbuf(loader);
    if (gdk_pixbuf_get_width(decoded) != 64 || gdk_pixbuf_get_height(decoded) != 64) std::abort();
  } else {
    std::abort();
  }
  g_object_unref(loader);
  return 0;
}
