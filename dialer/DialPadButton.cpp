#include "dialer/DialPadButton.h"

namespace {

// Halving stops once the interval is this short: 200, 200, 100, 50, 25, 12, 12, ...
constexpr int kRepeatHalvingFloor = 20;
constexpr int kFirstRepeatPeriod = 200;
constexpr int kCaptionHeight = 32;

}  // namespace

DialPadButton::DialPadButton() { SetButtonType(UIBUTTON_TYPE_TEXT); }

DialPadButton::~DialPadButton() {
  if (m_autoRepeat) KillTimer(GetParentHwnd(), static_cast<UINT_PTR>(GetID()));
}

void DialPadButton::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  if (GetState() == UIBUTTON_STATE_NORMAL) {
    LPCWSTR text = GetText();
    if (!text[0]) return;
    HGDIOBJ oldFont = SelectObject(hdc, FontHelper::GetFont(GetTextSize(), 400, 0, 0, 0, 0));
    ::SetTextColor(hdc, GetTextColor());
    SetBkMode(hdc, TRANSPARENT);
    RECT caption{rcWin.left, rcWin.bottom - kCaptionHeight, rcWin.right, rcWin.bottom};
    DrawTextW(hdc, text, -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(hdc, oldFont);
    return;
  }
  RECT rc = rcWin;
  if (IsClipExtendEnabled()) {
    rc.left += GetClipExtendX();
    rc.right += GetClipExtendX();
    rc.top += GetClipExtendY();
    rc.bottom += GetClipExtendY();
  }
  if (m_pressedBackground) m_pressedBackground->Draw(hdc, rc, FALSE, FALSE);
  if (m_pressedIcon) m_pressedIcon->Draw(hdc, rc, FALSE, FALSE);
}

LRESULT DialPadButton::OnLButtonDown(UINT flags, int x, int y) {
  m_skipReleaseRedraw = false;
  if (!m_actOnPress) return UiButton::OnLButtonDown(flags, x, y);
  UiButton::OnLButtonDown(flags, x, y);
  PostKeyCommand(IsLButtonDblClk() ? 5 : 0, MAKELPARAM(x, y));
  Redraw();
  return 0;
}

LRESULT DialPadButton::OnLButtonDblClk(UINT flags, int x, int y) {
  if (!m_actOnPress) return UiButton::OnLButtonDblClk(flags, x, y);
  UiButton::OnLButtonDblClk(flags, x, y);
  PostKeyCommand(IsLButtonDblClk() ? 5 : 0, MAKELPARAM(x, y));
  return 0;
}

LRESULT DialPadButton::OnLButtonUp(UINT flags, int x, int y) {
  if (!m_actOnPress) {
    UiButton::OnLButtonUp(flags, x, y);
  } else {
    if (!IsStateLocked() && IsLButtonDown()) SetState(UIBUTTON_STATE_NORMAL);
    // The base button would fire the command a second time on release.
    UiWin::OnLButtonUp(flags, x, y);
    if (m_skipReleaseRedraw)
      m_skipReleaseRedraw = false;
    else
      Redraw();
  }
  if (m_autoRepeat) KillTimer(GetParentHwnd(), static_cast<UINT_PTR>(GetID()));
  return 0;
}

LRESULT DialPadButton::OnMouseMove(UINT flags, int x, int y) { return UiButton::OnMouseMove(flags, x, y); }

void DialPadButton::OnPressedHoldStart() {}

// Every hold starts slow again: a period left at 12 ms by the last hold would
// wipe the whole number the moment the next hold begins.
void DialPadButton::OnPressedHoldTimeup() {
  if (!m_autoRepeat) return;
  m_repeatPeriod = kFirstRepeatPeriod;
  PostKeyCommand(0, 0);
  StartRepeatTimer();
}

LRESULT DialPadButton::OnTimer(UINT_PTR timerId) {
  if (m_autoRepeat && timerId == static_cast<UINT_PTR>(GetID())) {
    StartRepeatTimer();
    if (m_repeatPeriod > kRepeatHalvingFloor) m_repeatPeriod /= 2;
    PostKeyCommand(0, 0);
  }
  return 0;
}

void DialPadButton::StartRepeatTimer() {
  SetTimer(GetParentHwnd(), static_cast<UINT_PTR>(GetID()), static_cast<UINT>(m_repeatPeriod), nullptr);
}

// A key's command is what its window acts on, so it is posted whether or not
// the key's button notifications (press, release, hold) are switched on:
// UiWin::PostCommandMessage would drop it for the keys without a speed-dial
// entry, whose notifications are off.
void DialPadButton::PostKeyCommand(UINT code, LPARAM point) {
  if (CQzWndEx* owner = GetParentWnd())
    owner->PostMessageW(QZ_WM_COMMAND, MAKEWPARAM(static_cast<UINT>(GetID()), code), point);
}

void DialPadButton::Redraw() {
  Invalidate(nullptr);
  Update();
}
