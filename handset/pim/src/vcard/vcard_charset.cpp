#include "vcard/vcard_charset.h"

#include <unicode/ucnv.h>

#include <memory>
#include <string>
#include <utility>

#include "ce/utf8.h"
#include "vcard/vcard_encodings.h"
#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

constexpr std::string_view kHandsetCodePage = "GBK";

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// Opening an ICU converter costs far more than decoding a name, so each
// thread keeps the one it used last.
struct CachedConverter {
  std::string name;
  std::unique_ptr<UConverter, ConverterCloser> converter;
};

UConverter* ConverterFor(std::string_view charset) {
  thread_local CachedConverter cache;
  if (cache.converter && cache.name == charset) return cache.converter.get();
  UErrorCode status = U_ZERO_ERROR;
  const std::string name(charset);
  UConverter* converter = ucnv_open(name.c_str(), &status);
  if (U_FAILURE(status) || !converter) {
    if (converter) ucnv_close(converter);
    return nullptr;
  }
  cache.name = name;
  cache.converter.reset(converter);
  return converter;
}

bool DecodeWithIcu(std::string_view bytes, std::string_view charset, std::wstring& out) {
  UConverter* converter = ConverterFor(charset);
  if (!converter) return false;
  // No code page turns one byte into more than two UTF-16 units.
  std::u16string units(bytes.size() * 2 + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t count = ucnv_toUChars(converter, reinterpret_cast<UChar*>(units.data()),
                                      static_cast<int32_t>(units.size()), bytes.data(),
                                      static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) return false;
  out.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    char32_t cp = units[static_cast<std::size_t>(i)];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count) {
      const char32_t low = units[static_cast<std::size_t>(i) + 1];
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    out.push_back(static_cast<wchar_t>(cp));
  }
  return true;
}

bool IsUtf8Name(std::string_view charset) { return EqualsNoCase(charset, "UTF-8") || EqualsNoCase(charset, "UTF8"); }

}  // namespace

qzu::string TextDecoder::Decode(std::string_view bytes, std::string_view charset) const {
  std::wstring wide;
  if (IsAscii(bytes)) {
    wide.assign(bytes.begin(), bytes.end());
  } else if (IsUtf8Name(charset)) {
    wide = ce::FromUtf8(bytes);
  } else if (!charset.empty() && charset.size() < 64 && DecodeWithIcu(bytes, charset, wide)) {
    // decoded in the named code page
  } else if (utf8_allowed_ && IsValidUtf8(bytes)) {
    wide = ce::FromUtf8(bytes);
  } else {
    wide.clear();
    if (!DecodeWithIcu(bytes, kHandsetCodePage, wide)) wide = ce::FromUtf8(bytes);
  }
  return qzu::string(std::move(wide));
}

}  // namespace qzpam::vcard
