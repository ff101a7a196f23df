#include "qzfc/QzWnd.h"

#include <algorithm>

#include "ce/window_registry.h"
#include "qzfc/AnimateHelper.h"
#include "qzfc/Clock.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/Screen.h"
#include "screen/ShellBar.h"
#include "window/Geometry.h"

using qzfc::MessageLoop;
using qzfc::Screen;
using qzfc::RectEmpty;
using qzfc::RectIntersect;
using qzfc::RectOffset;

CQzWnd::CQzWnd() = default;

CQzWnd::~CQzWnd() { DestroyWindow(); }

LPCWSTR CQzWnd::GetQzClassName() { return L"CQzWnd"; }

CQzWnd* CQzWnd::FromHandle(HWND hwnd) { return hwnd ? static_cast<CQzWnd*>(ce::WindowOwner(hwnd)) : nullptr; }

BOOL CQzWnd::QzRegisterClass() { return TRUE; }
void CQzWnd::PreSubClassWindow() {}
BOOL CQzWnd::OnInitDialog() { return TRUE; }
LRESULT CQzWnd::OnQzCommand(WPARAM, LPARAM) { return 0; }
LRESULT CQzWnd::OnCommand(WPARAM, LPARAM) { return 0; }
LRESULT CQzWnd::OnShellHomeKey() { return 0; }
LRESULT CQzWnd::OnLButtonDblClk(UINT, int, int) { return 0; }
LRESULT CQzWnd::OnLButtonDown(UINT, int, int) { return 0; }
LRESULT CQzWnd::OnLButtonUp(UINT, int, int) { return 0; }
LRESULT CQzWnd::OnMouseMove(UINT, int, int) { return 0; }
LRESULT CQzWnd::OnTimer(UINT_PTR) { return 0; }
LRESULT CQzWnd::OnSize(UINT, int, int) { return 0; }
LRESULT CQzWnd::OnSettingChange(WPARAM, LPARAM) { return 0; }

BOOL CQzWnd::Create(int x, int y, int width, int height, HWND parent, UINT id, DWORD style, DWORD exStyle) {
  if (m_hWnd || width < 0 || height < 0) return FALSE;
  CQzWnd* parentWnd = FromHandle(parent);
  if ((style & WS_CHILD) && !parentWnd) return FALSE;

  m_hParent = parent;
  m_id = id;
  m_style = style;
  m_exStyle = exStyle;
  m_rcWindow = RECT{x, y, x + width, y + height};
  if ((style & WS_CHILD) && parentWnd)
    m_rcWindow = RectOffset(m_rcWindow, parentWnd->m_rcWindow.left, parentWnd->m_rcWindow.top);

  QzRegisterClass();
  PreSubClassWindow();
  m_hWnd = ce::RegisterWindow(GetQzClassName(),
                              IsTopLevel() ? ce::WindowScope::TopLevel : ce::WindowScope::Child, this);
  if (!m_hWnd) return FALSE;
  if (IsTopLevel())
    Screen::Get().AddWindow(this);
  else
    parentWnd->m_children.push_back(this);

  Dispatch(WM_CREATE, 0, 0);
  if (!OnInitDialog()) {
    DestroyWindow();
    return FALSE;
  }
  // Windows subscribe to shell events while they initialise; the shell
  // takes the subscriptions in now, so that its queue never fills up.
  Screen::Get().Bar().ReadSubscriptions();
  if (style & WS_VISIBLE) Show(TRUE);
  return TRUE;
}

BOOL CQzWnd::CreateModalDialog(int x, int y, int width, int height, HWND parent) {
  return Create(x, y, width, height, parent, 0, WS_POPUP, 0);
}

BOOL CQzWnd::CreateChildWindow(int x, int y, int width, int height, HWND parent, UINT id) {
  return Create(x, y, width, height, parent, id, WS_CHILD | WS_VISIBLE, 0);
}

BOOL CQzWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  if (m_inModal) EndModal(0);
  for (CQzWnd* child : std::vector<CQzWnd*>(m_children)) child->DestroyWindow();
  if (m_visible) Invalidate();
  HWND hwnd = m_hWnd;
  Dispatch(WM_DESTROY, 0, 0);
  MessageLoop::Get().KillTimers(hwnd);
  if (IsTopLevel()) {
    Screen::Get().RemoveWindow(this);
  } else if (CQzWnd* parent = FromHandle(m_hParent)) {
    std::erase(parent->m_children, this);
  }
  ce::UnregisterWindow(hwnd);
  m_hWnd = nullptr;
  m_visible = false;
  return TRUE;
}

LRESULT CQzWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return 0;
  return QzDefWndProc(msg, wParam, lParam);
}

LRESULT CQzWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<int16_t>(LOWORD(lParam));
  const int y = static_cast<int16_t>(HIWORD(lParam));
  switch (msg) {
    case WM_LBUTTONDOWN: return OnLButtonDown(static_cast<UINT>(wParam), x, y);
    case WM_LBUTTONUP: return OnLButtonUp(static_cast<UINT>(wParam), x, y);
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk(static_cast<UINT>(wParam), x, y);
    case WM_MOUSEMOVE: return OnMouseMove(static_cast<UINT>(wParam), x, y);
    case WM_TIMER: return OnTimer(wParam);
    case WM_SIZE: return OnSize(static_cast<UINT>(wParam), x & 0xFFFF, y & 0xFFFF);
    case WM_SETTINGCHANGE: return OnSettingChange(wParam, lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case QZ_WM_COMMAND: return OnQzCommand(wParam, lParam);
    case WM_CLOSE:
      if (m_inModal)
        EndModal(2);
      else
        Show(FALSE);
      return 0;
    default: return 0;
  }
}

LRESULT CQzWnd::SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam) {
  return m_hWnd ? ::SendMessageW(m_hWnd, msg, wParam, lParam) : 0;
}

BOOL CQzWnd::PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam) {
  return m_hWnd ? ::PostMessageW(m_hWnd, msg, wParam, lParam) : FALSE;
}

int CQzWnd::DoModal(BOOL animate) {
  if (!m_hWnd || m_inModal) return 0;
  m_inModal = true;
  m_modalDone = false;
  m_modalResult = 0;
  Screen::Get().PushModal(this);
  ApplyVisibility(true, animate);
  std::wstring what = std::wstring(L"modal loop of ") + (GetQzClassName() ? GetQzClassName() : L"?");
  MessageLoop::Get().RunModal(m_modalDone, what);
  Screen::Get().PopModal(this);
  m_inModal = false;
  if (m_hWnd) ApplyVisibility(false, animate);
  return m_modalResult;
}

void CQzWnd::EndModal(int result) {
  m_modalResult = result;
  m_modalDone = true;
}

void CQzWnd::SetAnimateEdge(int bottom, int top, int left, int right) {
  m_animEdge = RECT{left, top, right, bottom};
}

void CQzWnd::Show(BOOL show) { ApplyVisibility(show != FALSE, true); }

void CQzWnd::ApplyVisibility(bool visible, bool animate) {
  if (!m_hWnd || visible == m_visible) return;
  if (!visible && animate && m_animHide) PlayShowHideAnimation(m_animHide, false);
  if (!visible) Invalidate();
  m_visible = visible;
  Dispatch(WM_SHOWWINDOW, visible ? 1 : 0, 0);
  if (!m_hWnd) return;  // the handler destroyed the window
  if (IsTopLevel()) Screen::Get().OnVisibilityChanged(this, visible);
  if (visible) {
    if (animate && m_animShow) PlayShowHideAnimation(m_animShow, true);
    Invalidate();
  }
}

BOOL CQzWnd::IsWindowVisible() const {
  if (!m_hWnd || !m_visible) return FALSE;
  if (IsTopLevel()) return TRUE;
  CQzWnd* parent = FromHandle(m_hParent);
  return parent ? parent->IsWindowVisible() : FALSE;
}

void CQzWnd::SetWindowText(LPCWSTR text) {
  m_title = text ? text : L"";
  if (IsTopLevel() && m_hWnd && Screen::Get().Foreground() == this)
    Screen::Get().Invalidate(RECT{0, 0, Screen::kWidth, Screen::kShellBarHeight});
}

RECT CQzWnd::GetClientRect() const { return RECT{0, 0, GetWidth(), GetHeight()}; }

void CQzWnd::MoveWindow(int x, int y, int width, int height) {
  if (!m_hWnd || width < 0 || height < 0) return;
  Invalidate();
  RECT old = m_rcWindow;
  m_rcWindow = RECT{x, y, x + width, y + height};
  if (!IsTopLevel())
    if (CQzWnd* parent = FromHandle(m_hParent))
      m_rcWindow = RectOffset(m_rcWindow, parent->m_rcWindow.left, parent->m_rcWindow.top);
  // Window rectangles are screen coordinates: the whole tree moves along.
  int dx = m_rcWindow.left - old.left, dy = m_rcWindow.top - old.top;
  auto shift = [dx, dy](auto& self, const std::vector<CQzWnd*>& children) -> void {
    for (CQzWnd* child : children) {
      child->m_rcWindow = RectOffset(child->m_rcWindow, dx, dy);
      self(self, child->m_children);
    }
  };
  shift(shift, m_children);
  Invalidate();
  Dispatch(WM_SIZE, 0, MAKELPARAM(width, height));
}

void CQzWnd::Invalidate(const RECT* rect) {
  if (!m_hWnd || !IsWindowVisible()) return;
  RECT rc = RectOffset(rect ? *rect : GetClientRect(), m_rcWindow.left, m_rcWindow.top);
  RECT clipped = RectIntersect(rc, m_rcWindow);
  if (!RectEmpty(clipped)) Screen::Get().Invalidate(clipped);
}

void CQzWnd::Update() {
  if (Screen::Get().NeedsPaint()) Screen::Get().Paint();
}

LRESULT CQzWnd::OnPaint(HDC hdc, const RECT& rcUpdate) {
  PaintWin(hdc, rcUpdate);
  return 0;
}

void CQzWnd::PaintWin(HDC hdc, const RECT& rcUpdate) {
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(hdc, &rcUpdate, white);
}

void CQzWnd::PaintTree(HDC hdc, const RECT& rcUpdate) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  cairo_save(cr);
  cairo_rectangle(cr, rcUpdate.left, rcUpdate.top, rcUpdate.right - rcUpdate.left,
                  rcUpdate.bottom - rcUpdate.top);
  cairo_clip(cr);
  OnPaint(hdc, rcUpdate);
  cairo_restore(cr);
  for (CQzWnd* child : m_children) {
    if (!child->m_visible) continue;
    RECT rc = RectOffset(child->m_rcWindow, -m_rcWindow.left, -m_rcWindow.top);
    RECT part = RectIntersect(rc, rcUpdate);
    if (RectEmpty(part)) continue;
    cairo_save(cr);
    cairo_translate(cr, rc.left, rc.top);
    child->PaintTree(hdc, RectOffset(part, -rc.left, -rc.top));
    cairo_restore(cr);
  }
}

HBITMAP CQzWnd::GetWindowBitmap() {
  RECT rc = GetClientRect();
  return GetWindowBitmap(&rc);
}

HBITMAP CQzWnd::GetWindowBitmap(const RECT* rect) {
  if (!m_hWnd) return nullptr;
  RECT rc = rect ? *rect : GetClientRect();
  int w = rc.right - rc.left, h = rc.bottom - rc.top;
  HBITMAP bmp = CreateCompatibleBitmap(nullptr, w, h);
  if (!bmp) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  cairo_translate(CeGetCairo(dc), -rc.left, -rc.top);
  PaintTree(dc, rc);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

void CQzWnd::PlayShowHideAnimation(int type, bool showing) {
  // The window slides in from (or out to) the bottom edge of its own
  // rectangle; the edge margins stay still.
  HBITMAP content = GetWindowBitmap();
  if (!content) return;
  RECT area = m_rcWindow;
  area.left += m_animEdge.left;
  area.top += m_animEdge.top;
  area.right -= m_animEdge.right;
  area.bottom -= m_animEdge.bottom;
  if (area.right > area.left && area.bottom > area.top)
    qzfc::AnimateSlideWindow(this, content, area, type, showing);
  DeleteObject(content);
}
