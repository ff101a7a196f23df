// Any text as a phone number, a name and a geocoder description: keys stay
// digits, matching stays symmetric, and nothing crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "location/RegionLookup.h"
#include "match/NumberMatcher.h"
#include "text/NameReading.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  // Wide text from the bytes, four at a time, as UTF-32 may arrive.
  std::wstring text;
  for (size_t i = 0; i + 4 <= size; i += 4)
    text += static_cast<wchar_t>(data[i] | data[i + 1] << 8 | data[i + 2] << 16 | (data[i + 3] & 0x7F) << 24);
  std::wstring bytes(data, data + size);

  for (const std::wstring& input : {text, bytes}) {
    // The input also stands for the national code of the settings.
    for (const qzpam::NumberMatcher& matcher : {qzpam::NumberMatcher(), qzpam::NumberMatcher(input)}) {
      std::string key = matcher.Key(input);
      for (char c : key)
        if (c < '0' || c > '9') std::abort();
      std::wstring half = input.substr(0, input.size() / 2);
      if (matcher.Matches(input, half) != matcher.Matches(half, input)) std::abort();
    }
    qzpam::NameReading reading = qzpam::NameReading::Of(input);
    if (reading.letter != L'#' && (reading.letter < L'A' || reading.letter > L'Z')) std::abort();
    qzpam::RegionNames names;
    qzpam::RegionLookup::SplitChinese(input, &names);
    qzpam::RegionLookup::SplitEnglish(input, &names);
  }
  return 0;
}
