#include "vcard/vcard_encodings.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace qzpam::vcard {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Base64 digit values; the other entries mark what a decoder meets besides.
constexpr int8_t kInvalid = -1, kSkip = -2, kPad = -3;

constexpr std::array<int8_t, 256> MakeBase64Table() {
  std::array<int8_t, 256> table{};
  for (auto& v : table) v = kInvalid;
  constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
  for (const char c : {' ', '\t', '\r', '\n'}) table[static_cast<unsigned char>(c)] = kSkip;
  table['='] = kPad;
  return table;
}
constexpr std::array<int8_t, 256> kBase64 = MakeBase64Table();

// Length of the valid UTF-8 sequence at `i` and its code point; 0 if invalid.
std::size_t Utf8Sequence(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

std::string DecodeQuotedPrintable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '=') {
      out.push_back(c);
      continue;
    }
    if (i + 1 == text.size()) break;  // a soft break with nothing after it
    const int hi = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int lo = hi >= 0 ? HexValue(text[i + 2]) : -1;
    if (lo < 0) {
      out.push_back(c);
      continue;
    }
    out.push_back(static_cast<char>(hi * 16 + lo));
    i += 2;
  }
  return out;
}

std::size_t Base64Capacity(std::string_view text) { return text.size() / 4 * 3 + 3; }

long DecodeBase64Into(std::string_view text, unsigned char* out) {
  unsigned char* const start = out;
  uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    const int v = kBase64[static_cast<unsigned char>(c)];
    if (v >= 0) {
      bits = (bits << 6) | static_cast<uint32_t>(v);
      if (++count == 4) {
        *out++ = static_cast<unsigned char>(bits >> 16);
        *out++ = static_cast<unsigned char>(bits >> 8);
        *out++ = static_cast<unsigned char>(bits);
        bits = 0;
        count = 0;
      }
    } else if (v == kPad) {
      break;
    } else if (v == kInvalid) {
      return -1;
    }
  }
  if (count == 1) return -1;  // six bits cannot end a byte sequence
  if (count == 2) {
    *out++ = static_cast<unsigned char>(bits >> 4);
  } else if (count == 3) {
    *out++ = static_cast<unsigned char>(bits >> 10);
    *out++ = static_cast<unsigned char>(bits >> 2);
  }
  return static_cast<long>(out - start);
}

bool DecodeBase64(std::string_view text, std::vector<unsigned char>& out) {
  out.resize(Base64Capacity(text));
  const long written = DecodeBase64Into(text, out.data());
  out.resize(written < 0 ? 0 : static_cast<std::size_t>(written));
  return written >= 0;
}

void AppendUtf16(std::u16string_view units, std::wstring& out) {
  out.reserve(out.size() + units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t cp = units[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      ++i;
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    out.push_back(static_cast<wchar_t>(cp));
  }
}

namespace {

// Length of the run of ASCII bytes at the start, checked eight at a time.
std::size_t AsciiPrefix(std::string_view bytes) {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    if (word & 0x8080808080808080ull) break;
  }
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

}  // namespace

bool IsAscii(std::string_view bytes) { return AsciiPrefix(bytes) == bytes.size(); }

bool IsValidUtf8(std::string_view bytes) {
  char32_t cp;
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      i += AsciiPrefix(bytes.substr(i));
      continue;
    }
    const std::size_t len = Utf8Sequence(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

}  // namespace qzpam::vcard
