#include "util/WideFormat.h"

#include <cwchar>
#include <vector>

namespace qzfc {

namespace {

constexpr size_t kMaxResultChars = 1 << 20;

bool IsFlagOrWidth(wchar_t c) {
  return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0' || c == L'.' || c == L'*' ||
         (c >= L'1' && c <= L'9') || c == L'\'';
}

}  // namespace

std::wstring TranslateWideFormat(const wchar_t* format) {
  std::wstring out;
  if (!format) return out;
  const wchar_t* p = format;
  while (*p) {
    if (*p != L'%') {
      out += *p++;
      continue;
    }
    out += *p++;
    if (*p == L'%') {
      out += *p++;
      continue;
    }
    while (*p && IsFlagOrWidth(*p)) out += *p++;

    // Length modifiers. Only the handset's own (h before s/c, w, I64, I32)
    // are rewritten; the C ones are copied.
    enum class Width { Default, Narrow, Wide } width = Width::Default;
    std::wstring length;
    for (;;) {
      if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
        length += L"ll";
        p += 3;
      } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
        p += 3;
      } else if (*p == L'w') {
        width = Width::Wide;
        ++p;
      } else if (*p == L'h' || *p == L'l' || *p == L'L' || *p == L'z' || *p == L'j' || *p == L't' ||
                 *p == L'q') {
        length += *p++;
      } else {
        break;
      }
    }
    wchar_t conv = *p;
    if (conv == 0) {
      out += length;
      break;
    }
    ++p;
    bool isString = conv == L's' || conv == L'S';
    bool isChar = conv == L'c' || conv == L'C';
    if (!isString && !isChar) {
      out += length;
      out += conv;
      continue;
    }
    if (width == Width::Default) {
      if (length == L"h" || length == L"hh")
        width = Width::Narrow;
      else if (length == L"l")
        width = Width::Wide;
      else
        width = (conv == L's' || conv == L'c') ? Width::Wide : Width::Narrow;
    }
    if (width == Width::Wide) out += L'l';
    out += isString ? L's' : L'c';
  }
  return out;
}

bool FormatWideV(std::wstring& out, const wchar_t* format, va_list args) {
  out.clear();
  if (!format) return false;
  std::wstring translated = TranslateWideFormat(format);
  // vswprintf reports a too-small buffer and an encoding failure alike
  // (-1), so the buffer grows up to a fixed limit and then gives up.
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int n = vswprintf(buffer.data(), buffer.size(), translated.c_str(), copy);
    va_end(copy);
    if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
      out.assign(buffer.data(), static_cast<size_t>(n));
      return true;
    }
    if (buffer.size() >= kMaxResultChars) return false;
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace qzfc
