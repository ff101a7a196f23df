#include "qzfc/UiWin.h"

#include <cstdlib>

#include "qzfc/MessageLoop.h"
#include "qzfc/QzWndEx.h"
#include "window/Geometry.h"

using qzfc::MessageLoop;

UiWin::UiWin() = default;

UiWin::UiWin(const UiWin& other) { CopyFrom(other); }

UiWin& UiWin::operator=(const UiWin& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

// A copy takes the settings, not the live state: it belongs to no window
// until added, and holds no touch, capture or timer.
void UiWin::CopyFrom(const UiWin& other) {
  m_id = other.m_id;
  m_rc = other.m_rc;
  m_visible = other.m_visible;
  m_enabled = other.m_enabled;
  m_text = other.m_text;
  m_textColor = other.m_textColor;
  m_textSize = other.m_textSize;
  m_notify = other.m_notify;
  m_holdSupport = other.m_holdSupport;
  m_holdMs = other.m_holdMs;
  m_clipExtend = other.m_clipExtend;
  m_clipDx = other.m_clipDx;
  m_clipDy = other.m_clipDy;
}

UiWin::~UiWin() {
  CancelHoldTimer();
  if (!m_owner) return;
  // A scroll page's child is not in the window's list, yet it may hold the
  // window's capture or focus: the window must not keep pointing at it.
  if (HasCapture()) ReleaseCapture();
  if (HasFocus()) m_owner->SetFocusUi(nullptr);
  m_owner->RemoveUiWin(this);
}

LPCWSTR UiWin::GetUiClassName() const { return L"UiWin"; }

void UiWin::PaintWin(HDC, const RECT&, const RECT&) {}
LRESULT UiWin::OnChar(WPARAM, LPARAM) { return 0; }
LRESULT UiWin::OnKeyDown(WPARAM, LPARAM) { return 0; }
void UiWin::OnSetFocus() {}
void UiWin::OnKillFocus() {}
LRESULT UiWin::OnTimer(UINT_PTR) { return 0; }
void UiWin::OnPressedHoldStart() {}
void UiWin::OnPressedHoldTimeup() {}

bool UiWin::HitTest(int x, int y) const { return qzfc::RectContains(m_rc, x, y); }

HWND UiWin::GetParentHwnd() const { return m_owner ? m_owner->GetHwnd() : nullptr; }

void UiWin::SetText(LPCWSTR text) { m_text = text ? text : L""; }

void UiWin::SetPos(int x, int y, int width, int height) {
  m_rc = RECT{x, y, x + (width < 0 ? 0 : width), y + (height < 0 ? 0 : height)};
}

void UiWin::SetVisible(BOOL visible) {
  bool v = visible != FALSE;
  if (v == m_visible) return;
  if (!v) {
    if (HasCapture()) ReleaseCapture();
    CancelHoldTimer();
    m_lbuttonDown = false;
  }
  // Hidden first so that the invalidation below still covers the old look.
  if (!v) Invalidate();
  m_visible = v;
  if (v) Invalidate();
}

void UiWin::SetEnabled(BOOL enabled) {
  m_enabled = enabled != FALSE;
  if (!m_enabled) {
    if (HasCapture()) ReleaseCapture();
    CancelHoldTimer();
    m_lbuttonDown = false;
  }
}

BOOL UiWin::PostCommandMessage(UINT id, UINT code, LPARAM point) {
  if (!m_notify || !m_owner) return FALSE;
  return m_owner->PostMessageW(QZ_WM_COMMAND, MAKEWPARAM(id, code), point);
}

void UiWin::NotifyButton(UINT code) {
  if (m_notify && m_owner) m_owner->PostMessageW(QZ_WM_BUTTON_NOTIFY, MAKEWPARAM(m_id, code), 0);
}

void UiWin::EnablePressedHoldSupport(BOOL enable, UINT holdMs) {
  m_holdSupport = enable != FALSE;
  m_holdMs = holdMs ? holdMs : 500;
  if (!m_holdSupport) CancelHoldTimer();
}

void UiWin::CancelHoldTimer() {
  if (m_holdTimer) MessageLoop::Get().CancelCallback(m_holdTimer);
  m_holdTimer = 0;
}

void UiWin::BeginPress(int x, int y, bool doubleClick) {
  m_lbuttonDown = true;
  m_lbuttonDblClk = doubleClick;
  m_mouseMoved = false;
  m_downPt = POINT{x, y};
  SetCapture();
  NotifyButton(QZ_BN_PRESSED);
  if (!m_holdSupport) return;
  CancelHoldTimer();
  OnPressedHoldStart();
  m_holdTimer = MessageLoop::Get().StartCallback(m_holdMs, [this] {
    m_holdTimer = 0;
    if (!m_lbuttonDown || m_mouseMoved) return;
    NotifyButton(QZ_BN_HELD);
    OnPressedHoldTimeup();
  });
}

LRESULT UiWin::OnLButtonDown(UINT, int x, int y) {
  BeginPress(x, y, false);
  return 0;
}

LRESULT UiWin::OnLButtonDblClk(UINT, int x, int y) {
  BeginPress(x, y, true);
  return 0;
}

LRESULT UiWin::OnMouseMove(UINT, int x, int y) {
  if (m_lbuttonDown && !m_mouseMoved &&
      (std::abs(x - m_downPt.x) > kMoveSlop || std::abs(y - m_downPt.y) > kMoveSlop)) {
    m_mouseMoved = true;
    CancelHoldTimer();
  }
  return 0;
}

LRESULT UiWin::OnLButtonUp(UINT, int, int) {
  CancelHoldTimer();
  bool wasDown = m_lbuttonDown;
  m_lbuttonDown = false;
  if (HasCapture()) ReleaseCapture();
  if (wasDown) NotifyButton(QZ_BN_RELEASED);
  return 0;
}

void UiWin::ResetLButtonState() {
  m_lbuttonDown = false;
  m_lbuttonDblClk = false;
  CancelHoldTimer();
}

void UiWin::SetCapture() {
  if (m_owner) m_owner->SetCaptureUi(this);
}

void UiWin::ReleaseCapture() {
  if (m_owner && m_owner->GetCaptureUi() == this) m_owner->SetCaptureUi(nullptr);
}

BOOL UiWin::HasCapture() const { return m_owner && m_owner->GetCaptureUi() == this; }

void UiWin::SetFocus(BOOL focus) {
  if (!m_owner) return;
  if (focus)
    m_owner->SetFocusUi(this);
  else if (m_owner->GetFocusUi() == this)
    m_owner->SetFocusUi(nullptr);
}

BOOL UiWin::HasFocus() const { return m_owner && m_owner->GetFocusUi() == this; }

RECT UiWin::GetPaintRect() const {
  if (!m_clipExtend) return m_rc;
  RECT r = m_rc;
  r.left -= std::abs(m_clipDx);
  r.right += std::abs(m_clipDx);
  r.top -= std::abs(m_clipDy);
  r.bottom += std::abs(m_clipDy);
  return r;
}

void UiWin::Invalidate(const RECT* rect) {
  if (!m_owner) return;
  RECT rc = rect ? *rect : GetPaintRect();
  m_owner->Invalidate(&rc);
}

void UiWin::Update() {
  if (m_owner) m_owner->Update();
}
