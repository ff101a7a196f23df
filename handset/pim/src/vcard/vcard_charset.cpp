#include "vcard/vcard_charset.h"

#include <unicode/ucnv.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ce/codepage.h"
#include "ce/utf8.h"
#include "vcard/vcard_encodings.h"
#include "vcard/vcard_property.h"

namespace qzpam::vcard {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// Opening an ICU converter costs far more than decoding a value, so each
// thread keeps the few it used last.
struct CachedConverter {
  std::string name;
  std::unique_ptr<UConverter, ConverterCloser> converter;
};
constexpr std::size_t kCachedConverters = 8;

// The converter for a code page name, or null. Opening one spends one of
// `opens_left`, so a card cannot make its decoder open converters without end.
UConverter* ConverterFor(std::string_view charset, int& opens_left) {
  thread_local std::vector<CachedConverter> cache;
  for (const CachedConverter& cached : cache)
    if (cached.name == charset) return cached.converter.get();
  if (opens_left <= 0) return nullptr;
  --opens_left;
  UErrorCode status = U_ZERO_ERROR;
  std::string name(charset);
  UConverter* converter = ucnv_open(name.c_str(), &status);
  if (U_FAILURE(status) || !converter) {
    if (converter) ucnv_close(converter);
    return nullptr;
  }
  if (cache.size() >= kCachedConverters) cache.clear();
  cache.push_back({std::move(name), std::unique_ptr<UConverter, ConverterCloser>(converter)});
  return converter;
}

bool DecodeWithIcu(std::string_view bytes, std::string_view charset, int& opens_left, std::wstring& out) {
  UConverter* converter = ConverterFor(charset, opens_left);
  if (!converter) return false;
  // No code page turns one byte into more than two UTF-16 units. Short
  // values, nearly all of them, convert on the stack.
  UChar small[512];
  std::u16string large;
  const std::size_t capacity = bytes.size() * 2 + 1;
  UChar* units = small;
  if (capacity > std::size(small)) {
    large.resize(capacity);
    units = reinterpret_cast<UChar*>(large.data());
  }
  UChar* target = units;
  const char* source = bytes.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetToUnicode(converter);
  ucnv_toUnicode(converter, &target, units + capacity, &source, bytes.data() + bytes.size(), nullptr, true, &status);
  if (U_FAILURE(status)) return false;

  AppendUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(units), static_cast<std::size_t>(target - units)),
              out);
  return true;
}

// GBK, the handset's own code page, through the system's conversion; false
// when it fails. No GBK sequence gives more than one character.
bool DecodeGbk(std::string_view bytes, std::wstring& out) {
  out.resize(bytes.size());
  const int count = MultiByteToWideChar(kAnsiCodePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                        static_cast<int>(out.size()));
  out.resize(static_cast<std::size_t>(count));
  return count > 0;
}

bool IsUtf8Name(std::string_view charset) { return EqualsNoCase(charset, "UTF-8") || EqualsNoCase(charset, "UTF8"); }

bool IsGbkName(std::string_view charset) {
  return EqualsNoCase(charset, "GBK") || EqualsNoCase(charset, "CP936") || EqualsNoCase(charset, "windows-936");
}

}  // namespace

qzu::string TextDecoder::Decode(std::string_view bytes, std::string_view charset) {
  std::wstring wide;
  if (IsAscii(bytes)) {
    wide.assign(bytes.begin(), bytes.end());
  } else if (IsUtf8Name(charset)) {
    wide = ce::FromUtf8(bytes);
  } else if (IsGbkName(charset) && DecodeGbk(bytes, wide)) {
    // the handset's own code page
  } else if (!charset.empty() && charset.size() < 64 && DecodeWithIcu(bytes, charset, converter_opens_left_, wide)) {
    // decoded in the named code page
  } else if (utf8_allowed_ && IsValidUtf8(bytes)) {
    wide = ce::FromUtf8(bytes);
  } else {
    if (!DecodeGbk(bytes, wide)) wide = ce::FromUtf8(bytes);
  }
  return qzu::string(std::move(wide));
}

}  // namespace qzpam::vcard
