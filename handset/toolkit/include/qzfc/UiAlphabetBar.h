// UiAlphabetBar: the letters A to Z stacked along the right edge of a list.
// Touching a letter, and each new letter the finger slides over, posts a
// command with the bar's id, code 0 and the letter's index (0 for "A") as
// lParam; GetCurLetter then gives that letter.
#pragma once

#include "qzfc/UiWin.h"

class UiAlphabetBar : public UiWin {
 public:
  static constexpr int kLetterCount = 26;

  UiAlphabetBar();

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

  // The last letter touched, as a one-letter string; null before any touch.
  LPCWSTR GetCurLetter() const;
  // Its index (0 for "A"), or -1.
  int GetCurLetterIndex() const { return m_current; }
  // The letter at a height in the window (clamped to the bar).
  int LetterFromY(int y) const;

 private:
  void Choose(int index);

  int m_current = -1;
  wchar_t m_letter[2] = {0, 0};
};
