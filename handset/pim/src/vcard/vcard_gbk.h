// Fast decoding of GBK (code page 936), the code page the handset writes
// its cards in. The mapping comes from ICU's converter, read once into a
// table; after that a character costs one lookup instead of a converter call.
#pragma once

#include <string>
#include <string_view>

namespace qzpam::vcard {

// Appends the characters of GBK bytes; a byte or pair that maps to nothing
// becomes U+FFFD. False only when the table could not be built.
bool AppendGbk(std::string_view bytes, std::wstring& out);

}  // namespace qzpam::vcard
