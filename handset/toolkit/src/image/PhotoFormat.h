// Recognising photo bytes before they are decoded: which format they are,
// and whether the file is whole. Decoders accept a picture that stops early
// (filling the rest with grey or garbage), so completeness is checked here
// from the file's structure.
#pragma once

#include <cstddef>

namespace qzfc {

enum class PhotoFormat { Unknown, Jpeg, Png };

PhotoFormat SniffPhotoFormat(const unsigned char* bytes, size_t length);

// A PNG whose chunks run, within the bytes, up to its IEND chunk; a JPEG
// whose segments and scans run up to its end-of-image marker. Bytes after
// the end are allowed (some cameras append data).
bool IsCompletePhoto(PhotoFormat format, const unsigned char* bytes, size_t length);

}  // namespace qzfc
