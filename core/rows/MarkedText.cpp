#include "core/rows/MarkedText.h"

#include <vector>

#include "core/rows/RowParts.h"

namespace {

// Runs of characters that are all matched or all not, in text order.
struct Run {
  int start;
  int length;
  bool marked;
};

std::vector<Run> SplitRuns(const qzu::string& text, const qzu::array<int>& marks) {
  const int length = static_cast<int>(text.length());
  std::vector<bool> marked(static_cast<size_t>(length), false);
  for (int position : marks)
    if (position >= 0 && position < length) marked[static_cast<size_t>(position)] = true;
  std::vector<Run> runs;
  for (int i = 0; i < length; ++i) {
    if (runs.empty() || runs.back().marked != marked[static_cast<size_t>(i)])
      runs.push_back(Run{i, 0, marked[static_cast<size_t>(i)]});
    ++runs.back().length;
  }
  return runs;
}

int Width(HDC dc, const wchar_t* text, int count) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text, count, &size);
  return size.cx;
}

}  // namespace

int MarkedTextWidth(HDC dc, const qzu::string& text, int size) {
  HGDIOBJ oldFont = SelectObject(dc, FontHelper::GetFont(size, FW_NORMAL, 0, 0, 0, 0));
  const int width = Width(dc, text.c_str(), static_cast<int>(text.length()));
  if (oldFont) SelectObject(dc, oldFont);
  return width;
}

void DrawMarkedText(HDC dc, const qzu::string& text, const qzu::array<int>& marks, const RECT& rect,
                    COLORREF colour, int size) {
  HGDIOBJ oldFont = SelectObject(dc, FontHelper::GetFont(size, FW_NORMAL, 0, 0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  const wchar_t* chars = text.c_str();
  int x = rect.left;
  for (const Run& run : SplitRuns(text, marks)) {
    SetTextColor(dc, run.marked ? kRowMarkColour : colour);
    RECT box{x, rect.top, rect.right, rect.bottom};
    const int width = Width(dc, chars + run.start, run.length);
    if (x + width > rect.right) {
      // The rest does not fit: it goes in this run's colour up to the ellipsis.
      DrawTextW(dc, chars + run.start, -1, &box, rows::kFormatLineVCenter);
      break;
    }
    DrawTextW(dc, chars + run.start, run.length, &box, rows::kFormatLineVCenter);
    x += width;
  }
  if (oldFont) SelectObject(dc, oldFont);
}
