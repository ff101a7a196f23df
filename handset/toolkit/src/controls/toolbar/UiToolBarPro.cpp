#include "qzfc/UiToolBarPro.h"

#include "controls/ControlPaint.h"
#include "qzfc/ImagingHelper.h"

using namespace qzfc::controls;

namespace {

constexpr int kIconWidth = 80;
constexpr int kMiddleWidth = 160;

bool Loaded(ImagingHelper* image) { return image && image->IsLoaded(); }

}  // namespace

UiToolBarPro::UiToolBarPro() { SetTextSize(26); }

LPCWSTR UiToolBarPro::GetUiClassName() const { return L"UiToolBarPro"; }

RECT UiToolBarPro::GetButtonRect(int index) const {
  RECT rc = GetWinRect();
  int width = GetWidth();
  int mid = rc.left + width / 2;
  int side = width / 4;
  switch (index) {
    case TOOLBAR_BUTTON_LEFT:
      return RECT{rc.left, rc.top, rc.left + side, rc.bottom};
    case TOOLBAR_BUTTON_RIGHT:
      return RECT{rc.right - side, rc.top, rc.right, rc.bottom};
    case TOOLBAR_BUTTON_MIDDLE:
      return RECT{mid - kMiddleWidth / 2, rc.top, mid + kMiddleWidth / 2, rc.bottom};
    case TOOLBAR_BUTTON_ICON_LEFT:
    case TOOLBAR_BUTTON_ICON_MIDDLE:
    case TOOLBAR_BUTTON_ICON_RIGHT: {
      int left = mid - kIconWidth * 3 / 2 + (index - TOOLBAR_BUTTON_ICON_LEFT) * kIconWidth;
      return RECT{left, rc.top, left + kIconWidth, rc.bottom};
    }
    default:
      return RECT{};
  }
}

int UiToolBarPro::ButtonFromPoint(int x, int y) const {
  if (!IsEnabled()) return TOOLBAR_BUTTON_NONE;
  // The middle button lies over the icon row; when both are shown it wins.
  static constexpr int kOrder[] = {TOOLBAR_BUTTON_MIDDLE,    TOOLBAR_BUTTON_LEFT,        TOOLBAR_BUTTON_RIGHT,
                                   TOOLBAR_BUTTON_ICON_LEFT, TOOLBAR_BUTTON_ICON_MIDDLE, TOOLBAR_BUTTON_ICON_RIGHT};
  for (int index : kOrder) {
    const Button& b = m_buttons[index];
    if (b.visible && b.enabled && Contains(GetButtonRect(index), x, y)) return index;
  }
  return TOOLBAR_BUTTON_NONE;
}

void UiToolBarPro::SetButton(int index, BOOL visible, BOOL enabled, LPCWSTR text) {
  if (!ValidIndex(index)) return;
  Button& b = m_buttons[index];
  b.visible = visible != FALSE;
  b.enabled = enabled != FALSE;
  b.text = text ? text : L"";
  if (!b.visible || !b.enabled) {
    if (m_pressed == index) m_pressed = TOOLBAR_BUTTON_NONE;
    if (m_downButton == index) m_downButton = TOOLBAR_BUTTON_NONE;
  }
  InvalidateButton(index);
}

void UiToolBarPro::SetIconButton(int index, BOOL visible, BOOL enabled, ImagingHelper* normal,
                                 ImagingHelper* second, ImagingHelper* disabled) {
  if (index < TOOLBAR_BUTTON_ICON_LEFT || index > TOOLBAR_BUTTON_ICON_RIGHT) return;
  Button& b = m_buttons[index];
  b.normal = normal;
  b.pressed = second;
  b.disabled = disabled;
  SetButton(index, visible, enabled, L"");
}

void UiToolBarPro::SetMiddleButton(BOOL visible, BOOL enabled, LPCWSTR text, ImagingHelper* normal,
                                   ImagingHelper* pressed, ImagingHelper* disabled) {
  Button& b = m_buttons[TOOLBAR_BUTTON_MIDDLE];
  b.normal = normal;
  b.pressed = pressed;
  b.disabled = disabled;
  SetButton(TOOLBAR_BUTTON_MIDDLE, visible, enabled, text);
}

void UiToolBarPro::EnableButton(int index, BOOL enabled) {
  if (!ValidIndex(index)) return;
  Button& b = m_buttons[index];
  SetButton(index, b.visible, enabled, std::wstring(b.text).c_str());
}

void UiToolBarPro::ShowButton(int index, BOOL visible) {
  if (!ValidIndex(index)) return;
  Button& b = m_buttons[index];
  SetButton(index, visible, b.enabled, std::wstring(b.text).c_str());
}

void UiToolBarPro::SetMiddleButtonHighLight(int index) {
  int next = index >= TOOLBAR_BUTTON_ICON_LEFT && index <= TOOLBAR_BUTTON_ICON_RIGHT ? index : TOOLBAR_BUTTON_NONE;
  if (next == m_highlight) return;
  InvalidateButton(m_highlight);
  m_highlight = next;
  InvalidateButton(m_highlight);
}

void UiToolBarPro::SetSeparatorLine(int index, BOOL show) {
  if (index != TOOLBAR_BUTTON_LEFT && index != TOOLBAR_BUTTON_RIGHT) return;
  m_separators[index] = show != FALSE;
  Invalidate();
}

BOOL UiToolBarPro::IsSeparatorLineShown(int index) const {
  return (index == TOOLBAR_BUTTON_LEFT || index == TOOLBAR_BUTTON_RIGHT) && m_separators[index];
}

LPCWSTR UiToolBarPro::GetButtonText(int index) const { return ValidIndex(index) ? m_buttons[index].text.c_str() : L""; }
BOOL UiToolBarPro::IsButtonVisible(int index) const { return ValidIndex(index) && m_buttons[index].visible; }
BOOL UiToolBarPro::IsButtonEnabled(int index) const { return ValidIndex(index) && m_buttons[index].enabled; }

void UiToolBarPro::SetEnabled(BOOL enabled) {
  UiWin::SetEnabled(enabled);
  if (!enabled) m_pressed = m_downButton = TOOLBAR_BUTTON_NONE;
  Invalidate();
}

void UiToolBarPro::InvalidateButton(int index) {
  if (!ValidIndex(index)) return;
  RECT rc = GetButtonRect(index);
  Invalidate(&rc);
}

LRESULT UiToolBarPro::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  m_downButton = m_pressed = ButtonFromPoint(x, y);
  InvalidateButton(m_pressed);
  return 0;
}

LRESULT UiToolBarPro::OnLButtonDblClk(UINT flags, int x, int y) { return OnLButtonDown(flags, x, y); }

LRESULT UiToolBarPro::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (m_downButton == TOOLBAR_BUTTON_NONE) return 0;
  // The button shows pressed only while the finger is on it.
  int now = ButtonFromPoint(x, y) == m_downButton ? m_downButton : TOOLBAR_BUTTON_NONE;
  if (now != m_pressed) {
    m_pressed = now;
    InvalidateButton(m_downButton);
  }
  return 0;
}

LRESULT UiToolBarPro::OnLButtonUp(UINT flags, int x, int y) {
  UiWin::OnLButtonUp(flags, x, y);
  int down = m_downButton;
  m_downButton = m_pressed = TOOLBAR_BUTTON_NONE;
  InvalidateButton(down);
  if (down != TOOLBAR_BUTTON_NONE && ButtonFromPoint(x, y) == down) PostControlCommand(*this, 0, down);
  return 0;
}

void UiToolBarPro::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  FillSolid(hdc, rcWin, kBarBackground);
  FillSolid(hdc, RECT{rcWin.left, rcWin.top, rcWin.right, rcWin.top + 1}, kBarSeparator);
  for (int index = TOOLBAR_BUTTON_ICON_LEFT; index <= TOOLBAR_BUTTON_ICON_RIGHT; ++index) PaintButton(hdc, index);
  for (int index = TOOLBAR_BUTTON_LEFT; index <= TOOLBAR_BUTTON_MIDDLE; ++index) PaintButton(hdc, index);
  for (int side = TOOLBAR_BUTTON_LEFT; side <= TOOLBAR_BUTTON_RIGHT; ++side) {
    if (!m_separators[side] || !m_buttons[side].visible) continue;
    RECT b = GetButtonRect(side);
    int x = side == TOOLBAR_BUTTON_LEFT ? b.right - 1 : b.left;
    FillSolid(hdc, RECT{x, rcWin.top + 14, x + 1, rcWin.bottom - 14}, kBarSeparator);
  }
}

void UiToolBarPro::PaintButton(HDC hdc, int index) {
  const Button& b = m_buttons[index];
  if (!b.visible) return;
  RECT rc = GetButtonRect(index);
  bool pressed = m_pressed == index;
  bool enabled = b.enabled && IsEnabled();
  if (index >= TOOLBAR_BUTTON_ICON_LEFT) {
    bool current = m_highlight == index;
    if (current) FillSolid(hdc, rc, kBarHighlight);
    if (current) FillSolid(hdc, RECT{rc.left + 16, rc.bottom - 4, rc.right - 16, rc.bottom}, kAccent);
    ImagingHelper* face = b.normal;
    if ((pressed || current) && Loaded(b.pressed)) face = b.pressed;
    if (!enabled && Loaded(b.disabled)) face = b.disabled;
    if (Loaded(face)) face->Draw(hdc, rc, FALSE, FALSE);
    if (pressed) FillBlend(hdc, rc, kAccent, 0.15);
    return;
  }
  bool hasFaces = Loaded(b.normal) || Loaded(b.pressed) || Loaded(b.disabled);
  if (hasFaces) {
    ImagingHelper* face = b.normal;
    if (pressed && Loaded(b.pressed)) face = b.pressed;
    if (!enabled) face = Loaded(b.disabled) ? b.disabled : b.pressed;
    if (Loaded(face)) face->Draw(hdc, rc, TRUE, FALSE);
  } else if (pressed) {
    FillSolid(hdc, rc, kAccentTint);
  }
  COLORREF color = !enabled ? kDisabledText : pressed && !hasFaces ? kAccent : kBarText;
  RECT text{rc.left + 6, rc.top, rc.right - 6, rc.bottom};
  DrawLabel(hdc, b.text.c_str(), text, GetTextSize(), color, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
