#include "cmd_call_time.h"

#include <charconv>
#include <cstdint>

#include "platform/ToolkitContract.h"

namespace vornactl {
namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Exactly `width` digits at `at`, followed by `separator` (0 = the end).
bool Field(std::string_view text, std::size_t& at, std::size_t width, char separator, WORD& value) {
  if (at + width > text.size() || !AllDigits(text.substr(at, width))) return false;
  unsigned parsed = 0;
  std::from_chars(text.data() + at, text.data() + at + width, parsed);
  value = static_cast<WORD>(parsed);
  at += width;
  if (separator == 0) return at == text.size();
  if (at >= text.size() || text[at] != separator) return false;
  ++at;
  return true;
}

bool FromUnixSeconds(std::string_view text, SYSTEMTIME& time) {
  if (text.size() > 10) return false;
  long long seconds = 0;
  std::from_chars(text.data(), text.data() + text.size(), seconds);
  return seconds <= INT32_MAX && UnixTimetoSystemTime(seconds, time);
}

}  // namespace

bool ParseCallTime(std::string_view text, SYSTEMTIME& time) {
  if (AllDigits(text)) return FromUnixSeconds(text, time);
  if (!text.empty() && (text.back() == 'Z' || text.back() == 'z')) text.remove_suffix(1);
  SYSTEMTIME t{};
  std::size_t at = 0;
  if (!Field(text, at, 4, '-', t.wYear) || !Field(text, at, 2, '-', t.wMonth)) return false;
  if (at + 2 >= text.size() || (text[at + 2] != ' ' && text[at + 2] != 'T')) return false;
  WORD day = 0;
  if (!Field(text, at, 2, text[at + 2], day)) return false;
  t.wDay = day;
  if (!Field(text, at, 2, ':', t.wHour)) return false;
  const bool withSeconds = text.size() > at + 2;
  if (!Field(text, at, 2, withSeconds ? ':' : 0, t.wMinute)) return false;
  if (withSeconds && !Field(text, at, 2, 0, t.wSecond)) return false;
  if (!IsValidSystemTime(t)) return false;
  const LONGLONG seconds = SystemTimetoUnixTime(t);
  if (seconds < 0 || seconds > INT32_MAX) return false;
  time = t;
  return true;
}

}  // namespace vornactl
