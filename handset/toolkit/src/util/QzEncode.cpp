#include "qzfc/QzEncode.h"

#include <cstddef>

namespace {

const char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char kHexDigits[] = "0123456789ABCDEF";

// Inputs whose encoding could overflow an int are refused.
constexpr int kMaxInput = 1 << 28;

bool ValidInput(const void* data, int length) { return length >= 0 && length <= kMaxInput && (data || length == 0); }

int Reject(char* out, int outSize) {
  if (out && outSize > 0) out[0] = 0;
  return 0;
}

// The encoders run twice over their input: once to count, once to write
// into a buffer known to be large enough.
struct Counter {
  size_t count = 0;
  void Put(char) { ++count; }
  void Put(const char*, size_t n) { count += n; }
};

struct Writer {
  char* at;
  void Put(char c) { *at++ = c; }
  void Put(const char* s, size_t n) {
    for (size_t i = 0; i < n; ++i) *at++ = s[i];
  }
};

template <class Sink>
void Base64(const BYTE* bytes, int length, Sink& sink) {
  int i = 0;
  for (; i + 3 <= length; i += 3) {
    unsigned v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
    char quad[4] = {kBase64Alphabet[(v >> 18) & 63], kBase64Alphabet[(v >> 12) & 63], kBase64Alphabet[(v >> 6) & 63],
                    kBase64Alphabet[v & 63]};
    sink.Put(quad, 4);
  }
  int rest = length - i;
  if (rest > 0) {
    unsigned v = bytes[i] << 16;
    if (rest == 2) v |= bytes[i + 1] << 8;
    char quad[4] = {kBase64Alphabet[(v >> 18) & 63], kBase64Alphabet[(v >> 12) & 63],
                    rest == 2 ? kBase64Alphabet[(v >> 6) & 63] : '=', '='};
    sink.Put(quad, 4);
  }
}

template <class Sink>
void QuotedPrintable(const BYTE* bytes, int length, int maxLineLength, Sink& sink) {
  int lineLength = 0;
  for (int i = 0; i < length; ++i) {
    BYTE b = bytes[i];
    bool last = i + 1 == length;
    bool literal = (b >= 33 && b <= 126 && b != '=') || ((b == ' ' || b == '\t') && !last);
    int tokenLength = literal ? 1 : 3;
    // Keep one column free for the "=" of a soft break, unless this token
    // ends the data.
    int limit = last ? maxLineLength : maxLineLength - 1;
    if (maxLineLength > 0 && lineLength + tokenLength > limit) {
      sink.Put("=\r\n", 3);
      lineLength = 0;
    }
    if (literal) {
      sink.Put(static_cast<char>(b));
    } else {
      char escape[3] = {'=', kHexDigits[b >> 4], kHexDigits[b & 15]};
      sink.Put(escape, 3);
    }
    lineLength += tokenLength;
  }
}

// Runs an encoder under the shared buffer convention.
template <class Encode>
int Deliver(Encode encode, char* out, int outSize) {
  Counter counter;
  encode(counter);
  if (!out) return static_cast<int>(counter.count);
  if (outSize <= 0) return 0;
  if (counter.count + 1 > static_cast<size_t>(outSize)) return Reject(out, outSize);
  Writer writer{out};
  encode(writer);
  *writer.at = 0;
  return static_cast<int>(counter.count);
}

}  // namespace

int QzBase64Encode(const void* data, int length, char* out, int outSize) {
  if (!ValidInput(data, length)) return Reject(out, outSize);
  const auto* bytes = static_cast<const BYTE*>(data);
  if (!out) return (length + 2) / 3 * 4;
  return Deliver([&](auto& sink) { Base64(bytes, length, sink); }, out, outSize);
}

int QzQPEncode(const void* data, int length, char* out, int outSize, int maxLineLength) {
  if (!ValidInput(data, length)) return Reject(out, outSize);
  // A line needs room for at least one "=XX" and the soft break's "=".
  if (maxLineLength > 0 && maxLineLength < 4) maxLineLength = 4;
  const auto* bytes = static_cast<const BYTE*>(data);
  return Deliver([&](auto& sink) { QuotedPrintable(bytes, length, maxLineLength, sink); }, out, outSize);
}
