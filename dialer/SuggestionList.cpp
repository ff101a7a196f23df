#include "dialer/SuggestionList.h"

#include <algorithm>

#include "core/rows/MarkedText.h"
#include "core/rows/RowDrawing.h"
#include "core/rows/RowParts.h"

namespace {

constexpr int kMargin = 20;
constexpr int kNumberGap = 16;
// Rows lower than this are the strip above the keypad: smaller letters.
constexpr int kFullRowHeight = 50;
constexpr int kMoreMarkWidth = 16, kMoreMarkSize = 14;

}  // namespace

size_t SuggestionList::RowsToRead(int height, int rowHeight) {
  if (rowHeight <= 0) return kReadAhead;
  return static_cast<size_t>((height + rowHeight - 1) / rowHeight + kReadAhead);
}

void SuggestionList::PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) {
  m_rows.ReadUpTo(RowsToRead(GetHeight() - GetTopPos(), GetItemHeight()));
  UiList::PaintWin(hdc, rcWin, rcUpdate);
}

LRESULT SuggestionList::OnLButtonDown(UINT flags, int x, int y) {
  LRESULT result = UiList::OnLButtonDown(flags, x, y);
  InvalidateItem(GetPressedItem());
  return result;
}

LRESULT SuggestionList::OnLButtonUp(UINT flags, int x, int y) {
  const int pressed = GetPressedItem();
  LRESULT result = UiList::OnLButtonUp(flags, x, y);
  InvalidateItem(pressed);
  return result;
}

LRESULT SuggestionList::OnMouseMove(UINT flags, int x, int y) {
  const bool wasDragging = IsDraggingV();
  LRESULT result = UiList::OnMouseMove(flags, x, y);
  if (!wasDragging && IsDraggingV() && m_onDrag) m_onDrag();
  return result;
}

void SuggestionList::DrawItem(HDC hdc, int index, const RECT& rcItem) {
  const T9Suggestion* row = m_rows.Row(index);
  if (!row) return;
  if (index == GetPressedItem() && IsLButtonDown() && !IsDraggingV())
    rows::DrawPressedBackground(hdc, rcItem.left, rcItem.top, rcItem.right, rcItem.bottom);
  const bool full = rcItem.bottom - rcItem.top >= kFullRowHeight;
  const int nameSize = full ? kRowMainTextSize : 22;
  const int numberSize = full ? kRowLabelSize : kRowSubTextSize;
  int right = rcItem.right - kMargin;
  if (!full && m_rows.size() > 1) {
    // The strip shows one row: a mark at its end says that more lie below.
    rows::DrawFormattedText(hdc, L"\u25BC", RECT{right - kMoreMarkWidth, rcItem.top, right, rcItem.bottom},
                            kRowSubTextColour, kMoreMarkSize, rows::kFormatLineCenter);
    right -= kMoreMarkWidth + kNumberGap / 2;
  }
  const int numberWidth = std::min(MarkedTextWidth(hdc, row->number, numberSize), (right - rcItem.left) / 2);
  DrawMarkedText(hdc, row->number, row->numberMarks, RECT{right - numberWidth, rcItem.top, right, rcItem.bottom},
                 kRowSubTextColour, numberSize);
  DrawMarkedText(hdc, row->name, row->nameMarks,
                 RECT{rcItem.left + kMargin, rcItem.top, right - numberWidth - kNumberGap, rcItem.bottom},
                 kRowTextColour, nameSize);
}
