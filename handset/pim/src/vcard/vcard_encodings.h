// The transfer encodings of vCard values, and UTF-8 checks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qzpam::vcard {

// "=XX" becomes the byte 0xXX; an "=" not followed by two hex digits (also
// one at the very end) is kept as it is, except a final lone "=", which is a
// soft break with nothing after it and is dropped.
std::string DecodeQuotedPrintable(std::string_view text);

// Whitespace is skipped and decoding stops at "=" padding. False, with `out`
// cleared, for any other character outside the base64 alphabet.
bool DecodeBase64(std::string_view text, std::vector<unsigned char>& out);

// The same into a buffer of at least Base64Capacity(text) bytes; returns the
// number of bytes written, or -1.
std::size_t Base64Capacity(std::string_view text);
long DecodeBase64Into(std::string_view text, unsigned char* out);

// Appends UTF-16 code units as characters: surrogate pairs join, and a
// surrogate without its partner becomes U+FFFD.
void AppendUtf16(std::u16string_view units, std::wstring& out);

bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view bytes);

}  // namespace qzpam::vcard
