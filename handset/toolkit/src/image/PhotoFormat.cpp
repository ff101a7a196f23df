#include "image/PhotoFormat.h"

#include <cstdint>
#include <cstring>

namespace qzfc {

namespace {

const unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

uint32_t ReadBigEndian32(const unsigned char* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

bool PngComplete(const unsigned char* bytes, size_t length) {
  size_t pos = sizeof kPngSignature;
  // Each chunk: length (4), type (4), data, CRC (4).
  while (length - pos >= 12) {
    uint32_t dataLength = ReadBigEndian32(bytes + pos);
    if (std::memcmp(bytes + pos + 4, "IEND", 4) == 0) return true;
    if (dataLength > length - pos - 12) return false;
    pos += 12 + static_cast<size_t>(dataLength);
  }
  return false;
}

// Markers that stand alone, without a length: TEM and the restart markers.
bool IsStandalone(unsigned char marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

bool JpegComplete(const unsigned char* bytes, size_t length) {
  size_t pos = 2;  // after SOI
  while (pos < length) {
    if (bytes[pos] != 0xFF) return false;
    while (pos < length && bytes[pos] == 0xFF) ++pos;  // fill bytes
    if (pos >= length) return false;
    unsigned char marker = bytes[pos++];
    if (marker == 0xD9) return true;  // end of image
    if (IsStandalone(marker)) continue;
    if (length - pos < 2) return false;
    size_t segment = (size_t{bytes[pos]} << 8) | bytes[pos + 1];
    if (segment < 2 || segment > length - pos) return false;
    pos += segment;
    if (marker != 0xDA) continue;
    // Entropy-coded data of a scan runs to the next marker other than a
    // stuffed zero or a restart marker.
    for (;;) {
      while (pos < length && bytes[pos] != 0xFF) ++pos;
      if (length - pos < 2) return false;
      unsigned char next = bytes[pos + 1];
      if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
        pos += 2;
        continue;
      }
      if (next == 0xFF) {
        ++pos;
        continue;
      }
      break;
    }
  }
  return false;
}

}  // namespace

PhotoFormat SniffPhotoFormat(const unsigned char* bytes, size_t length) {
  if (!bytes) return PhotoFormat::Unknown;
  if (length >= sizeof kPngSignature && std::memcmp(bytes, kPngSignature, sizeof kPngSignature) == 0)
    return PhotoFormat::Png;
  if (length >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return PhotoFormat::Jpeg;
  return PhotoFormat::Unknown;
}

bool IsCompletePhoto(PhotoFormat format, const unsigned char* bytes, size_t length) {
  switch (format) {
    case PhotoFormat::Png:
      return PngComplete(bytes, length);
    case PhotoFormat::Jpeg:
      return JpegComplete(bytes, length);
    case PhotoFormat::Unknown:
      break;
  }
  return false;
}

}  // namespace qzfc
