#include "qzfc/UiSlideBar.h"

#include <algorithm>

#include "controls/ControlPaint.h"

using namespace qzfc::controls;

namespace {
constexpr COLORREF kTrack = RGB(0xE8, 0xEC, 0xEF);
constexpr COLORREF kText = RGB(0x33, 0x3D, 0x45);
constexpr int kMargin = 10;
}  // namespace

UiSlideBar::UiSlideBar() { SetTextSize(24); }

LPCWSTR UiSlideBar::GetUiClassName() const { return L"UiSlideBar"; }

void UiSlideBar::SetButtonCount(int count) {
  count = std::clamp(count, 0, kMaxButtons);
  m_texts.resize(static_cast<size_t>(count));
  if (m_highlight >= count) m_highlight = count - 1;
  if (m_highlight < 0 && count > 0) m_highlight = 0;
  Invalidate();
}

void UiSlideBar::SetButtonText(int index, LPCWSTR text) {
  if (index < 0 || index >= GetButtonCount()) return;
  m_texts[static_cast<size_t>(index)] = text ? text : L"";
  Invalidate();
}

LPCWSTR UiSlideBar::GetButtonText(int index) const {
  return index >= 0 && index < GetButtonCount() ? m_texts[static_cast<size_t>(index)].c_str() : L"";
}

void UiSlideBar::SetHighLightButton(int index) {
  if (index < 0 || index >= GetButtonCount()) return;
  MoveHighlight(index);
}

void UiSlideBar::MoveHighlight(int index) {
  if (index == m_highlight) return;
  m_highlight = index;
  Invalidate();
}

RECT UiSlideBar::ButtonRect(int index) const {
  RECT rc = GetWinRect();
  int count = GetButtonCount();
  if (count == 0) return RECT{};
  int inner = GetWidth() - 2 * kMargin;
  int left = rc.left + kMargin + inner * index / count;
  int right = rc.left + kMargin + inner * (index + 1) / count;
  return RECT{left, rc.top + kMargin, right, rc.bottom - kMargin};
}

int UiSlideBar::ButtonAlong(int x) const {
  int count = GetButtonCount();
  int inner = GetWidth() - 2 * kMargin;
  if (count == 0 || inner <= 0) return -1;
  return std::clamp((x - GetLeft() - kMargin) * count / inner, 0, count - 1);
}

int UiSlideBar::ButtonFromPoint(int x, int y) const { return HitTest(x, y) ? ButtonAlong(x) : -1; }

LRESULT UiSlideBar::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  m_atPress = m_highlight;
  int index = ButtonFromPoint(x, y);
  if (index >= 0) MoveHighlight(index);
  return 0;
}

LRESULT UiSlideBar::OnLButtonDblClk(UINT flags, int x, int y) { return OnLButtonDown(flags, x, y); }

LRESULT UiSlideBar::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (!IsLButtonDown()) return 0;
  // The highlight follows the finger along the bar, even above or below it.
  int index = ButtonAlong(x);
  if (index >= 0) MoveHighlight(index);
  return 0;
}

LRESULT UiSlideBar::OnLButtonUp(UINT flags, int x, int y) {
  bool wasDown = IsLButtonDown();
  UiWin::OnLButtonUp(flags, x, y);
  if (wasDown && m_highlight != m_atPress) PostControlCommand(*this, 0, m_highlight);
  m_atPress = m_highlight;
  return 0;
}

void UiSlideBar::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  RECT track{rcWin.left + kMargin, rcWin.top + kMargin, rcWin.right - kMargin, rcWin.bottom - kMargin};
  FillRounded(hdc, track, 10, kTrack);
  for (int i = 0; i < GetButtonCount(); ++i) {
    RECT b = ButtonRect(i);
    bool on = i == m_highlight;
    if (on) FillRounded(hdc, RECT{b.left + 3, b.top + 3, b.right - 3, b.bottom - 3}, 8, kAccent);
    DrawLabel(hdc, m_texts[static_cast<size_t>(i)].c_str(), b, GetTextSize(), on ? kOnAccentText : kText,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, on);
  }
}
