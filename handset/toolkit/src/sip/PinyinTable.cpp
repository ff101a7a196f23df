#include "sip/PinyinTable.h"

#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>

namespace qzfc {
namespace {

using Index = std::map<std::string, std::wstring>;

// The first level of GB 2312: lead bytes 0xB0 to 0xD7, trail bytes 0xA1 to
// 0xFE (row 0xD7 ends at 0xF9), in pinyin order.
Index BuildIndex() {
  Index index;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> toLatin(
      icu::Transliterator::createInstance("Han-Latin; Latin-ASCII; Lower", UTRANS_FORWARD, status));
  UConverter* gb = ucnv_open("GB2312", &status);
  if (U_FAILURE(status) || !toLatin || !gb) {
    if (gb) ucnv_close(gb);
    return index;
  }
  for (int lead = 0xB0; lead <= 0xD7; ++lead) {
    const int lastTrail = lead == 0xD7 ? 0xF9 : 0xFE;
    for (int trail = 0xA1; trail <= lastTrail; ++trail) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      UChar ch[4];
      UErrorCode err = U_ZERO_ERROR;
      int32_t n = ucnv_toUChars(gb, ch, 4, bytes, 2, &err);
      if (U_FAILURE(err) || n != 1) continue;
      icu::UnicodeString text(ch[0]);
      toLatin->transliterate(text);
      std::string pinyin;
      text.toUTF8String(pinyin);
      bool letters = !pinyin.empty();
      for (char c : pinyin) letters = letters && c >= 'a' && c <= 'z';
      if (letters) index[pinyin] += static_cast<wchar_t>(ch[0]);
    }
  }
  ucnv_close(gb);
  return index;
}

const Index& TheIndex() {
  static const Index index = BuildIndex();
  return index;
}

}  // namespace

std::wstring PinyinCandidates(const std::wstring& syllables, size_t max) {
  std::string key;
  for (wchar_t c : syllables) {
    if (c >= L'A' && c <= L'Z') c = c - L'A' + L'a';
    if (c == L'v') c = L'u';  // ü is typed as v
    if (c < L'a' || c > L'z') return L"";
    key += static_cast<char>(c);
  }
  if (key.empty() || max == 0) return L"";
  const Index& index = TheIndex();
  std::wstring out;
  auto exact = index.find(key);
  if (exact != index.end()) out = exact->second.substr(0, max);
  // Then the characters of longer syllables that start with what was typed.
  for (auto it = index.lower_bound(key); it != index.end() && out.size() < max; ++it) {
    if (it->first.compare(0, key.size(), key) != 0) break;
    if (it == exact) continue;
    out += it->second.substr(0, max - out.size());
  }
  return out;
}

}  // namespace qzfc
