#include "util/WideFormat.h"

#include <cwchar>
#include <vector>

#include "ce/debug.h"

namespace qzfc {

namespace {

constexpr size_t kMaxResultChars = 1 << 20;

}  // namespace

bool FormatWideV(std::wstring& out, const wchar_t* format, va_list args) {
  out.clear();
  if (!format) return false;
  std::wstring translated = ce::TranslateDebugFormat(format);
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
