#include "qzfc/FontHelper.h"

#include <map>
#include <mutex>
#include <tuple>

namespace {
constexpr wchar_t kFamily[] = L"WenQuanYi Micro Hei";
}

HFONT FontHelper::GetFont(int size, int weight, BOOL italic, BOOL underline, BOOL strikeOut, int charset) {
  using Key = std::tuple<int, int, bool, bool, bool>;
  static std::mutex mutex;
  static std::map<Key, HFONT> fonts;
  if (size <= 0 || size > 1000) size = 20;
  Key key{size, weight, italic != FALSE, underline != FALSE, strikeOut != FALSE};
  std::lock_guard lock(mutex);
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = size;
  lf.lfWeight = weight;
  lf.lfItalic = italic ? 1 : 0;
  lf.lfUnderline = underline ? 1 : 0;
  lf.lfStrikeOut = strikeOut ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(charset);
  for (size_t i = 0; kFamily[i] && i < LF_FACESIZE - 1; ++i) lf.lfFaceName[i] = kFamily[i];
  HFONT font = CreateFontIndirectW(&lf);
  if (font) fonts.emplace(key, font);
  return font;
}
