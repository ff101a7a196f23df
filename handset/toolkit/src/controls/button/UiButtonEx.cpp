#include "qzfc/UiButtonEx.h"

LPCWSTR UiButtonEx::GetUiClassName() const { return L"UiButtonEx"; }

std::wstring UiButtonEx::GetDisplayText() const {
  std::wstring text = GetText();
  if (m_maxLength > 0 && static_cast<int>(text.size()) > m_maxLength) {
    text.resize(static_cast<size_t>(m_maxLength));
    text += L"\u2026";
  }
  return text;
}

void UiButtonEx::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  PaintFace(hdc, rcWin);
  COLORREF color = GetState() == UIBUTTON_STATE_PRESSED ? m_pressedColor : GetTextColor();
  PaintText(hdc, rcWin, GetDisplayText().c_str(), color, m_offset);
}
