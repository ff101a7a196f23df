// TextLayout: how the multi-line edit's text breaks into lines at a width,
// in the font selected into a DC, and where each caret position lies. Lines
// break at line breaks, after the last space that fits, or (for a word or a
// run of Chinese text wider than the field) after the last character that
// fits. Drawing, the caret and taps all use the same layout, so a tap puts
// the caret where the text shows.
#pragma once

#include <string>
#include <vector>

#include "ce/gdi.h"

namespace qzfc {

class TextLayout {
 public:
  struct Line {
    int start;
    int length;  // without the line break that ends it
  };

  // `hdc` (with the font selected) must stay valid while the layout is used.
  TextLayout(HDC hdc, const std::wstring& text, int width);

  const std::vector<Line>& Lines() const { return m_lines; }
  int LineHeight() const { return m_lineHeight; }
  int Height() const { return m_lineHeight * static_cast<int>(m_lines.size()); }
  std::wstring LineText(int line) const;
  // The line that caret position `pos` (0 to the text length) is on. A caret
  // where a line wraps goes to the start of the next line.
  int LineOf(int pos) const;
  // The caret's x offset from the left of its line.
  int XOf(int pos) const;
  // The caret position nearest to a point relative to the layout's top left.
  int PosAt(int x, int y) const;

 private:
  int Width(int start, int length) const;
  void Wrap(int start, int end, int width);

  HDC m_hdc;
  const std::wstring& m_text;
  std::vector<Line> m_lines;
  int m_lineHeight = 1;
};

}  // namespace qzfc
