#include "qzfc/UiAlphabetBar.h"

#include <algorithm>

#include "controls/ControlPaint.h"

using namespace qzfc::controls;

UiAlphabetBar::UiAlphabetBar() { SetTextSize(18); }

LPCWSTR UiAlphabetBar::GetUiClassName() const { return L"UiAlphabetBar"; }

LPCWSTR UiAlphabetBar::GetCurLetter() const { return m_current < 0 ? nullptr : m_letter; }

int UiAlphabetBar::LetterFromY(int y) const {
  int height = GetHeight();
  if (height <= 0) return 0;
  return std::clamp((y - GetTop()) * kLetterCount / height, 0, kLetterCount - 1);
}

void UiAlphabetBar::Choose(int index) {
  // A finger resting on one letter asks for it once.
  if (IsLButtonDown() && index == m_current) return;
  m_current = index;
  m_letter[0] = static_cast<wchar_t>(L'A' + index);
  Invalidate();
  PostControlCommand(*this, 0, index);
}

LRESULT UiAlphabetBar::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  m_current = -1;
  Choose(LetterFromY(y));
  return 0;
}

LRESULT UiAlphabetBar::OnLButtonDblClk(UINT flags, int x, int y) { return OnLButtonDown(flags, x, y); }

LRESULT UiAlphabetBar::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (IsLButtonDown()) Choose(LetterFromY(y));
  return 0;
}

LRESULT UiAlphabetBar::OnLButtonUp(UINT flags, int x, int y) {
  UiWin::OnLButtonUp(flags, x, y);
  Invalidate();
  return 0;
}

void UiAlphabetBar::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  bool touched = IsLButtonDown();
  if (touched) FillRounded(hdc, rcWin, (rcWin.right - rcWin.left) / 2.0, RGB(0xD5, 0xDB, 0xE0));
  int height = rcWin.bottom - rcWin.top;
  for (int i = 0; i < kLetterCount; ++i) {
    RECT cell{rcWin.left, rcWin.top + height * i / kLetterCount, rcWin.right, rcWin.top + height * (i + 1) / kLetterCount};
    wchar_t letter[2] = {static_cast<wchar_t>(L'A' + i), 0};
    bool current = touched && i == m_current;
    DrawLabel(hdc, letter, cell, GetTextSize(), current ? kAccent : kIndexText, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
              current);
  }
}
