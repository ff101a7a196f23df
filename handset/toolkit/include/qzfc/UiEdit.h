// UiEdit: a multi-line text field. It edits like UiSingleLineEdit, except
// that Enter (13 or 10) starts a new line, and it reports its changes to the
// owner as QZ_WM_MEDIT_CHANGE (wParam the control id, lParam MAKELONG(code,
// extra) with the single-line edit's codes). Text wraps at the margins; with
// inside scrolling on, text taller than the field scrolls to keep the caret
// in view.
#pragma once

#include "qzfc/UiSingleLineEdit.h"

#define QZ_WM_MEDIT_CHANGE 0xFFF10063u

class UiEdit : public UiSingleLineEdit {
 public:
  UiEdit();

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnChar(WPARAM ch, LPARAM lParam) override;

  void EnableInsideScroll(BOOL enable) { m_insideScroll = enable != FALSE; }
  BOOL IsInsideScrollEnabled() const { return m_insideScroll; }
  // How far the text is scrolled up (pixels), as last painted.
  int GetScrollOffset() const { return m_scroll; }

 protected:
  void NotifyChange(UINT code, UINT extra) override;
  int CaretFromPoint(int x, int y) override;

 private:
  // The text area less the padding above and below the text.
  RECT LinesArea(const RECT& rcWin) const;

  bool m_insideScroll = false;
  int m_scroll = 0;
};
