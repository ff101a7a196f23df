#include "ce/utf8.h"

namespace ce {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string ToUtf8(std::wstring_view text, bool* valid) {
  std::string out;
  out.reserve(text.size());
  bool ok = true;
  for (wchar_t w : text) {
    char32_t c = static_cast<char32_t>(w);
    if (!IsScalarValue(c)) {
      ok = false;
      c = kReplacement;
    }
    Append(out, c);
  }
  if (valid) *valid = ok;
  return out;
}

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
static size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Whether a byte may stand at this place of the sequence. The second byte's
// range is narrowed after some leads so that overlong forms, surrogates and
// values past U+10FFFF stop at their first wrong byte, as decoders usually do.
static bool Continues(unsigned char lead, size_t place, unsigned char byte) {
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (place == 1) {
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  return byte >= low && byte <= high;
}

std::wstring FromUtf8(std::string_view text, bool* valid) {
  std::wstring out;
  out.reserve(text.size());
  bool ok = true;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = SequenceLength(lead);
    char32_t c = length <= 1 ? lead : lead & (0x7F >> length);
    size_t used = 1;  // bytes examined; a malformed sequence skips exactly these
    bool good = length != 0;
    while (good && used < length) {
      if (i + used >= text.size() || !Continues(lead, used, static_cast<unsigned char>(text[i + used]))) {
        good = false;
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(text[i + used]) & 0x3F);
      ++used;
    }
    if (!good) ok = false;
    out += static_cast<wchar_t>(good ? c : kReplacement);
    i += used;
  }
  if (valid) *valid = ok;
  return out;
}

}  // namespace ce
