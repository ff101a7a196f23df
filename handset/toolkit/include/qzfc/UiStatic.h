// UiStatic: a text label. It draws its text in its colour and size with a
// DrawText format (centred and word-wrapped unless set), over an optional
// background colour, and ignores touches.
#pragma once

#include "qzfc/UiWin.h"

class UiStatic : public UiWin {
 public:
  UiStatic() = default;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  void SetText(LPCWSTR text) override;

  void SetTextFormat(UINT format) { m_format = format; }
  UINT GetTextFormat() const { return m_format; }
  void SetBkColor(COLORREF color) {
    m_bkColor = color;
    m_hasBk = true;
  }
  // No background: the window's content shows through (the default).
  void SetBkTransparent() { m_hasBk = false; }
  void SetBold(BOOL bold) { m_bold = bold != FALSE; }

 private:
  UINT m_format = 0x0015;  // DT_CENTER | DT_VCENTER | DT_WORDBREAK
  COLORREF m_bkColor = 0;
  bool m_hasBk = false;
  bool m_bold = false;
};
