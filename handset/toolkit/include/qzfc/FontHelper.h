// The toolkit's font cache: one font per set of attributes, made on first
// use and kept for the life of the process. Callers select the fonts and
// never delete them.
#pragma once

#include "ce/gdi.h"

class FontHelper {
 public:
  // `size` is the pixel height; the family is the handset's (WenQuanYi Micro Hei).
  static HFONT GetFont(int size, int weight, BOOL italic, BOOL underline, BOOL strikeOut, int charset);
};
