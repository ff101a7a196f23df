// Base64 (RFC 4648) and quoted-printable (RFC 2045) into a caller's buffer.
//
// Both encoders share one buffer convention:
// - out == nullptr: nothing is written; the result is the number of
//   characters the encoding needs (without the terminating zero).
// - otherwise: the encoding and a terminating zero are written and the
//   result is the number of characters written (without the zero). When
//   outSize cannot hold both, or the input is invalid (negative length, null
//   data with a length), the result is 0 and out holds an empty string.
// Encoding 24 bytes never needs more than 72 quoted-printable characters and
// 48 bytes exactly 64 base64 characters, so a 76-byte buffer always holds one
// such chunk with its terminator.
#pragma once

#include "ce/types.h"

// Standard alphabet with "=" padding, no line breaks.
int QzBase64Encode(const void* data, int length, char* out, int outSize);

// Printable ASCII other than "=" stays as it is; "=", control bytes,
// bytes above 126 and a space or tab that ends the input become "=XX"
// (upper-case hex). Line breaks in the data are encoded (=0D=0A), so the
// output is one logical line; when it would grow past maxLineLength
// characters a soft line break "=\r\n" is inserted (0 disables them).
int QzQPEncode(const void* data, int length, char* out, int outSize, int maxLineLength = 76);
