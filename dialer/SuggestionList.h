// SuggestionList: the dial window's list of smart-dial suggestions, one line
// each: the name with its matched letters in the accent colour, and at the
// right the number with its matched digits. Before it paints it reads the
// rows it is about to show and a screenful beyond, so scrolling on reaches
// rows that are there. A tap reports QZ_WM_LIST_CLICK and a held press
// QZ_WM_LIST_HOLD to the owner; the first drag of the list calls the
// drag handler, which the dial window uses to fold the keypad away.
#pragma once

#include <functional>

#include "dialer/SuggestionRows.h"
#include "platform/ToolkitContract.h"

class SuggestionList : public UiList {
 public:
  explicit SuggestionList(SuggestionRows& rows) : m_rows(rows) {}

  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  int GetItemCount() override { return static_cast<int>(m_rows.size()); }
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;

  // Rows beyond the last one shown that are read ahead of scrolling.
  static constexpr int kReadAhead = 10;
  // How many rows a list of `height` pixels with rows of `rowHeight` shows, plus the read-ahead.
  static size_t RowsToRead(int height, int rowHeight);

  const T9Suggestion* Row(int index) const { return m_rows.Row(index); }

  void SetDragHandler(std::function<void()> handler) { m_onDrag = std::move(handler); }
  // True when the rows are taller than the list.
  bool Overflows() { return CalcContentHeight() > GetHeight(); }

 private:
  SuggestionRows& m_rows;
  std::function<void()> m_onDrag;
};
