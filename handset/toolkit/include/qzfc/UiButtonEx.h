// UiButtonEx: a button whose text changes colour while it is pressed, can
// start at a fixed offset from the left edge, and can be cut to a number of
// characters.
#pragma once

#include <string>

#include "qzfc/UiButton.h"

class UiButtonEx : public UiButton {
 public:
  UiButtonEx() = default;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;

  void SetPressedTextColor(COLORREF color) { m_pressedColor = color; }
  COLORREF GetPressedTextColor() const { return m_pressedColor; }
  // Pixels from the left edge to the text; 0 centres the text.
  void SetTextOffset(int offset) { m_offset = offset < 0 ? 0 : offset; }
  int GetTextOffset() const { return m_offset; }
  // At most this many characters are shown, the rest replaced by "…"; 0 for no limit.
  void SetTextMaxLength(int length) { m_maxLength = length < 0 ? 0 : length; }
  int GetTextMaxLength() const { return m_maxLength; }
  // The text as it is shown.
  std::wstring GetDisplayText() const;

 private:
  COLORREF m_pressedColor = 0;
  int m_offset = 0;
  int m_maxLength = 0;
};
