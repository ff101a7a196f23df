#include "ce/codepage.h"

#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "ce/utf8.h"

namespace {

using ce::Fail;

constexpr char32_t kReplacement = 0xFFFD;

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

const char* ConverterName(UINT codePage) {
  switch (codePage) {
    case 936: return "windows-936";
    case 1252: return "windows-1252";
    default: return nullptr;
  }
}

UINT Effective(UINT codePage) { return codePage == CP_ACP || codePage == CP_OEMCP ? kAnsiCodePage : codePage; }

// ICU converters are not thread-safe, so each thread keeps its own, opened on
// first use and reset before every conversion.
UConverter* CachedConverter(UINT codePage) {
  thread_local std::map<UINT, ConverterPtr> cache;
  auto found = cache.find(codePage);
  if (found == cache.end()) {
    const char* name = ConverterName(codePage);
    if (!name) return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open(name, &status));
    if (U_FAILURE(status)) return nullptr;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    if (U_FAILURE(status)) return nullptr;
    found = cache.emplace(codePage, std::move(converter)).first;
  }
  ucnv_reset(found->second.get());
  return found->second.get();
}

bool Supported(UINT codePage) { return codePage == CP_UTF8 || ConverterName(codePage); }

// UTF-32 to UTF-16 for ICU. Code points that are not Unicode scalar values
// are replaced; *invalid tells whether any were.
std::u16string ToUtf16(std::wstring_view text, bool& invalid) {
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    char32_t c = static_cast<char32_t>(w);
    if (!ce::IsScalarValue(c)) {
      invalid = true;
      c = kReplacement;
    }
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(U16_LEAD(c));
      out += static_cast<char16_t>(U16_TRAIL(c));
    }
  }
  return out;
}

// Wide text to bytes. Characters the code page lacks become the default
// character; false when that is not allowed (strict) or ICU fails.
bool EncodeBytes(UINT codePage, std::wstring_view text, bool strict, const char* defaultChar, std::string& out,
                 bool& usedDefault) {
  if (codePage == CP_UTF8) {
    bool valid = true;
    out = ce::ToUtf8(text, &valid);
    return valid || !strict;
  }
  bool invalid = false;
  std::u16string source = ToUtf16(text, invalid);
  UConverter* converter = CachedConverter(codePage);
  if (!converter) return false;
  std::string fallback = defaultChar && *defaultChar ? std::string(defaultChar, 1) : std::string("?");
  out.clear();
  char chunk[1024];
  const UChar* in = source.data();
  const UChar* inEnd = in + source.size();
  for (;;) {
    char* target = chunk;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, chunk + sizeof chunk, &in, inEnd, nullptr, true, &status);
    out.append(chunk, static_cast<size_t>(target - chunk));
    if (status == U_BUFFER_OVERFLOW_ERROR) continue;
    if (U_SUCCESS(status)) break;
    if (status != U_INVALID_CHAR_FOUND && status != U_ILLEGAL_CHAR_FOUND && status != U_TRUNCATED_CHAR_FOUND)
      return false;
    // The stop callback consumed the unmappable character; put the default in its place.
    if (strict) return false;
    out += fallback;
    usedDefault = true;
    ucnv_reset(converter);
  }
  // A replaced non-character is the default character too, not U+FFFD's mapping.
  if (invalid) usedDefault = true;
  return true;
}

void AppendUtf16(std::wstring& out, const UChar* begin, const UChar* end) {
  for (const UChar* p = begin; p < end;) {
    char32_t c = *p++;
    if (U16_IS_LEAD(c) && p < end && U16_IS_TRAIL(*p)) c = U16_GET_SUPPLEMENTARY(c, *p++);
    else if (U16_IS_SURROGATE(c)) c = kReplacement;
    out += static_cast<wchar_t>(c);
  }
}

// Bytes to wide text. Malformed sequences become U+FFFD, or fail when strict.
bool DecodeBytes(UINT codePage, std::string_view bytes, bool strict, std::wstring& out) {
  if (codePage == CP_UTF8) {
    bool valid = true;
    out = ce::FromUtf8(bytes, &valid);
    return valid || !strict;
  }
  UConverter* converter = CachedConverter(codePage);
  if (!converter) return false;
  out.clear();
  UChar chunk[1024];
  const char* in = bytes.data();
  const char* inEnd = in + bytes.size();
  for (;;) {
    UChar* target = chunk;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(converter, &target, chunk + 1024, &in, inEnd, nullptr, true, &status);
    AppendUtf16(out, chunk, target);
    if (status == U_BUFFER_OVERFLOW_ERROR) continue;
    if (U_SUCCESS(status)) break;
    if (status != U_INVALID_CHAR_FOUND && status != U_ILLEGAL_CHAR_FOUND && status != U_TRUNCATED_CHAR_FOUND)
      return false;
    if (strict) return false;
    out += static_cast<wchar_t>(kReplacement);
    ucnv_reset(converter);
  }
  return true;
}

}  // namespace

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wideText, int wideLength, LPSTR bytes,
                        int byteCapacity, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
  codePage = Effective(codePage);
  if (!wideText || wideLength == 0 || wideLength < -1 || byteCapacity < 0 || (!bytes && byteCapacity > 0))
    return Fail(ERROR_INVALID_PARAMETER, 0);
  if (!Supported(codePage)) return Fail(ERROR_INVALID_PARAMETER, 0);
  if (codePage == CP_UTF8 && (defaultChar || usedDefaultChar)) return Fail(ERROR_INVALID_PARAMETER, 0);
  if (flags & ~static_cast<DWORD>(WC_NO_BEST_FIT_CHARS | WC_ERR_INVALID_CHARS)) return Fail(ERROR_INVALID_FLAGS, 0);
  // The -1 form converts the terminator along with the text and counts it.
  size_t length = wideLength == -1 ? std::wcslen(wideText) + 1 : static_cast<size_t>(wideLength);
  std::string out;
  bool usedDefault = false;
  if (!EncodeBytes(codePage, std::wstring_view(wideText, length), (flags & WC_ERR_INVALID_CHARS) != 0, defaultChar,
                   out, usedDefault))
    return Fail(ERROR_NO_UNICODE_TRANSLATION, 0);
  if (out.size() > static_cast<size_t>(INT32_MAX)) return Fail(ERROR_INVALID_PARAMETER, 0);
  if (usedDefaultChar) *usedDefaultChar = usedDefault ? TRUE : FALSE;
  if (byteCapacity == 0) return static_cast<int>(out.size());
  if (out.size() > static_cast<size_t>(byteCapacity)) return Fail(ERROR_INSUFFICIENT_BUFFER, 0);
  std::memcpy(bytes, out.data(), out.size());
  return static_cast<int>(out.size());
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR bytes, int byteLength, LPWSTR wideText,
                        int wideCapacity) {
  codePage = Effective(codePage);
  if (!bytes || byteLength == 0 || byteLength < -1 || wideCapacity < 0 || (!wideText && wideCapacity > 0))
    return Fail(ERROR_INVALID_PARAMETER, 0);
  if (!Supported(codePage)) return Fail(ERROR_INVALID_PARAMETER, 0);
  if (flags & ~static_cast<DWORD>(MB_PRECOMPOSED | MB_ERR_INVALID_CHARS)) return Fail(ERROR_INVALID_FLAGS, 0);
  size_t length = byteLength == -1 ? std::strlen(bytes) + 1 : static_cast<size_t>(byteLength);
  std::wstring out;
  if (!DecodeBytes(codePage, std::string_view(bytes, length), (flags & MB_ERR_INVALID_CHARS) != 0, out))
    return Fail(ERROR_NO_UNICODE_TRANSLATION, 0);
  if (out.size() > static_cast<size_t>(INT32_MAX)) return Fail(ERROR_INVALID_PARAMETER, 0);
  if (wideCapacity == 0) return static_cast<int>(out.size());
  if (out.size() > static_cast<size_t>(wideCapacity)) return Fail(ERROR_INSUFFICIENT_BUFFER, 0);
  std::memcpy(wideText, out.data(), out.size() * sizeof(wchar_t));
  return static_cast<int>(out.size());
}
