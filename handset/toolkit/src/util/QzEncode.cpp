#include "qzfc/QzEncode.h"

#include <string>

namespace {

const char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char kHexDigits[] = "0123456789ABCDEF";

bool ValidInput(const void* data, int length) { return length >= 0 && (data || length == 0); }

// Copies an encoding into the caller's buffer following the shared convention.
int Deliver(const std::string& encoded, char* out, int outSize) {
  if (!out) return static_cast<int>(encoded.size());
  if (outSize <= 0) return 0;
  if (encoded.size() + 1 > static_cast<size_t>(outSize)) {
    out[0] = 0;
    return 0;
  }
  encoded.copy(out, encoded.size());
  out[encoded.size()] = 0;
  return static_cast<int>(encoded.size());
}

int Reject(char* out, int outSize) {
  if (out && outSize > 0) out[0] = 0;
  return 0;
}

}  // namespace

int QzBase64Encode(const void* data, int length, char* out, int outSize) {
  if (!ValidInput(data, length) || length > (1 << 29)) return Reject(out, outSize);
  const auto* bytes = static_cast<const BYTE*>(data);
  std::string encoded;
  encoded.reserve(static_cast<size_t>(length + 2) / 3 * 4);
  int i = 0;
  for (; i + 3 <= length; i += 3) {
    unsigned v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
    encoded += kBase64Alphabet[(v >> 18) & 63];
    encoded += kBase64Alphabet[(v >> 12) & 63];
    encoded += kBase64Alphabet[(v >> 6) & 63];
    encoded += kBase64Alphabet[v & 63];
  }
  int rest = length - i;
  if (rest > 0) {
    unsigned v = bytes[i] << 16;
    if (rest == 2) v |= bytes[i + 1] << 8;
    encoded += kBase64Alphabet[(v >> 18) & 63];
    encoded += kBase64Alphabet[(v >> 12) & 63];
    encoded += rest == 2 ? kBase64Alphabet[(v >> 6) & 63] : '=';
    encoded += '=';
  }
  return Deliver(encoded, out, outSize);
}

int QzQPEncode(const void* data, int length, char* out, int outSize, int maxLineLength) {
  if (!ValidInput(data, length) || length > (1 << 28)) return Reject(out, outSize);
  // A line needs room for at least one "=XX" and the soft break's "=".
  if (maxLineLength > 0 && maxLineLength < 4) maxLineLength = 4;
  const auto* bytes = static_cast<const BYTE*>(data);
  std::string encoded;
  encoded.reserve(static_cast<size_t>(length) * 3);
  int lineLength = 0;
  for (int i = 0; i < length; ++i) {
    BYTE b = bytes[i];
    bool last = i + 1 == length;
    bool literal = (b >= 33 && b <= 126 && b != '=') || ((b == ' ' || b == '\t') && !last);
    int tokenLength = literal ? 1 : 3;
    // Keep one column free for the "=" of a soft break, unless this token
    // ends the data and fits exactly.
    int limit = last ? maxLineLength : maxLineLength - 1;
    if (maxLineLength > 0 && lineLength + tokenLength > limit) {
      encoded += "=\r\n";
      lineLength = 0;
    }
    if (literal) {
      encoded += static_cast<char>(b);
    } else {
      encoded += '=';
      encoded += kHexDigits[b >> 4];
      encoded += kHexDigits[b & 15];
    }
    lineLength += tokenLength;
  }
  return Deliver(encoded, out, outSize);
}
