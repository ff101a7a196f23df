#include "qzfc/UiButton.h"

#include "controls/ControlPaint.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/QzDraw.h"

using namespace qzfc::controls;

LPCWSTR UiButton::GetUiClassName() const { return L"UiButton"; }

void UiButton::SetButtonType(int type) {
  m_type = type == UIBUTTON_TYPE_PUSH || type == UIBUTTON_TYPE_CHECK ? type : UIBUTTON_TYPE_TEXT;
  Invalidate();
}

void UiButton::SetState(int state, BOOL lock) {
  m_locked = lock != FALSE;
  ChangeState(state == UIBUTTON_STATE_PRESSED ? UIBUTTON_STATE_PRESSED : UIBUTTON_STATE_NORMAL);
}

void UiButton::ChangeState(int state) {
  if (state == m_state) return;
  m_state = state;
  Invalidate();
}

void UiButton::SetImages(ImagingHelper* normal, ImagingHelper* pressed, ImagingHelper* disabled) {
  m_normal = normal;
  m_pressed = pressed;
  m_disabled = disabled;
  Invalidate();
}

void UiButton::SetEnabled(BOOL enabled) {
  UiWin::SetEnabled(enabled);
  if (!enabled && !m_locked) m_state = UIBUTTON_STATE_NORMAL;
  Invalidate();
}

LRESULT UiButton::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  if (!m_locked) ChangeState(UIBUTTON_STATE_PRESSED);
  return 0;
}

LRESULT UiButton::OnLButtonDblClk(UINT flags, int x, int y) {
  UiWin::OnLButtonDblClk(flags, x, y);
  if (!m_locked) ChangeState(UIBUTTON_STATE_PRESSED);
  return 0;
}

LRESULT UiButton::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (IsLButtonDown() && !m_locked) ChangeState(HitTest(x, y) ? UIBUTTON_STATE_PRESSED : UIBUTTON_STATE_NORMAL);
  return 0;
}

LRESULT UiButton::OnLButtonUp(UINT flags, int x, int y) {
  bool wasDown = IsLButtonDown();
  bool doubleClick = IsLButtonDblClk();
  UiWin::OnLButtonUp(flags, x, y);
  bool click = wasDown && HitTest(x, y);
  if (click && m_type == UIBUTTON_TYPE_CHECK) {
    // The tap turns a check button over: on (and locked there) or off.
    bool on = !(m_locked && m_state == UIBUTTON_STATE_PRESSED);
    m_locked = on;
    ChangeState(on ? UIBUTTON_STATE_PRESSED : UIBUTTON_STATE_NORMAL);
  } else if (!m_locked) {
    ChangeState(UIBUTTON_STATE_NORMAL);
  }
  if (click) PostControlCommand(*this, doubleClick ? 5 : 0, MAKELPARAM(x, y));
  return 0;
}

void UiButton::PaintFace(HDC hdc, const RECT& rc) {
  bool pressed = m_state == UIBUTTON_STATE_PRESSED;
  ImagingHelper* face = pressed && m_pressed ? m_pressed : m_normal;
  if (!IsEnabled() && m_disabled) face = m_disabled;
  if (face && face->IsLoaded()) {
    face->Draw(hdc, rc, TRUE, FALSE);
    return;
  }
  if (m_type != UIBUTTON_TYPE_TEXT) QzDrawControl(hdc, rc, QZ_FACE_PUSHBUTTON, pressed);
}

void UiButton::PaintText(HDC hdc, const RECT& rc, LPCWSTR text, COLORREF color, int offset) {
  if (!IsEnabled()) color = kDisabledText;
  UINT format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
  RECT r = rc;
  if (offset > 0) {
    r.left += offset;
  } else {
    format |= DT_CENTER;
  }
  DrawLabel(hdc, text, r, GetTextSize(), color, format);
}

void UiButton::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  PaintFace(hdc, rcWin);
  PaintText(hdc, rcWin, GetText(), GetTextColor(), 0);
}
