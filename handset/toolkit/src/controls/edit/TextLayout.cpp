#include "controls/edit/TextLayout.h"

#include <algorithm>
#include <cstdlib>

namespace qzfc {

TextLayout::TextLayout(HDC hdc, const std::wstring& text, int width) : m_hdc(hdc), m_text(text) {
  RECT one{0, 0, 1000, 0};
  m_lineHeight = std::max(1, DrawTextW(hdc, L"Ag", 2, &one, DT_SINGLELINE | DT_CALCRECT));
  const int size = static_cast<int>(text.size());
  int start = 0;
  for (;;) {
    size_t brk = text.find(L'\n', static_cast<size_t>(start));
    int end = brk == std::wstring::npos ? size : static_cast<int>(brk);
    Wrap(start, end, std::max(1, width));
    if (end == size) break;
    start = end + 1;
  }
}

int TextLayout::Width(int start, int length) const {
  SIZE sz{};
  GetTextExtentPoint32W(m_hdc, m_text.c_str() + start, length, &sz);
  return sz.cx;
}

// Lays out one paragraph [start, end) (no line breaks inside).
void TextLayout::Wrap(int start, int end, int width) {
  for (;;) {
    // A line holds at most about `width` characters (a character narrower
    // than a pixel is rare, and then the line merely breaks early), so a long
    // paragraph is never measured whole.
    const int most = std::min(end - start, width);
    if (most == end - start && Width(start, most) <= width) break;
    // The longest part that fits, but at least one character.
    int lo = 1, hi = most;
    while (lo < hi) {
      int mid = (lo + hi + 1) / 2;
      if (Width(start, mid) <= width) lo = mid;
      else hi = mid - 1;
    }
    int fit = lo;
    // Break after the last space of that part, keeping the space on the line.
    for (int i = start + fit - 1; i > start; --i)
      if (m_text[static_cast<size_t>(i)] == L' ') {
        fit = i + 1 - start;
        break;
      }
    m_lines.push_back({start, fit});
    start += fit;
  }
  m_lines.push_back({start, end - start});
}

std::wstring TextLayout::LineText(int line) const {
  const Line& l = m_lines[static_cast<size_t>(line)];
  return m_text.substr(static_cast<size_t>(l.start), static_cast<size_t>(l.length));
}

int TextLayout::LineOf(int pos) const {
  int line = 0;
  for (int i = 0; i < static_cast<int>(m_lines.size()); ++i)
    if (m_lines[static_cast<size_t>(i)].start <= pos) line = i;
  return line;
}

int TextLayout::XOf(int pos) const {
  const Line& l = m_lines[static_cast<size_t>(LineOf(pos))];
  return Width(l.start, std::min(pos, l.start + l.length) - l.start);
}

int TextLayout::PosAt(int x, int y) const {
  const int count = static_cast<int>(m_lines.size());
  const int line = std::clamp(y < 0 ? 0 : y / m_lineHeight, 0, count - 1);
  const Line& l = m_lines[static_cast<size_t>(line)];
  // The end of a wrapped line is the next line's start: stop before it.
  const bool wrapped = line + 1 < count && m_lines[static_cast<size_t>(line) + 1].start == l.start + l.length;
  const int last = l.start + l.length - (wrapped && l.length > 0 ? 1 : 0);
  int best = l.start, bestDistance = std::abs(x);
  for (int pos = l.start + 1; pos <= last; ++pos) {
    int distance = std::abs(Width(l.start, pos - l.start) - x);
    if (distance < bestDistance) {
      best = pos;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace qzfc
