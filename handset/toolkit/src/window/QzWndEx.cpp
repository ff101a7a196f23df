#include "qzfc/QzWndEx.h"

#include <algorithm>

#include "qzfc/UiList.h"
#include "qzfc/UiScrollWin.h"
#include "qzfc/UiWin.h"
#include "window/Geometry.h"

using qzfc::RectEmpty;
using qzfc::RectIntersect;

namespace {

// The first control that matches, searching the controls in order and the
// children of a scroll page right after the page.
template <typename Match>
UiWin* FindControlIn(const std::vector<UiWin*>& controls, const Match& match) {
  for (UiWin* ui : controls) {
    if (match(ui)) return ui;
    if (auto* page = dynamic_cast<UiScrollWin*>(ui))
      if (UiWin* child = FindControlIn(page->GetChildren(), match)) return child;
  }
  return nullptr;
}

}  // namespace

CQzWndEx::CQzWndEx() = default;

CQzWndEx::~CQzWndEx() {
  for (UiWin* ui : m_uiWins) ui->SetParentWnd(nullptr);
  m_uiWins.clear();
}

LPCWSTR CQzWndEx::GetQzClassName() { return L"CQzWndEx"; }

BOOL CQzWndEx::OnInitDialog() { return CQzWnd::OnInitDialog(); }

BOOL CQzWndEx::AddUiWin(UiWin* ui) {
  if (!ui || std::find(m_uiWins.begin(), m_uiWins.end(), ui) != m_uiWins.end()) return FALSE;
  if (ui->GetParentWnd() && ui->GetParentWnd() != this) ui->GetParentWnd()->RemoveUiWin(ui);
  m_uiWins.push_back(ui);
  ui->SetParentWnd(this);
  ui->Invalidate();
  return TRUE;
}

BOOL CQzWndEx::RemoveUiWin(UiWin* ui) {
  auto it = std::find(m_uiWins.begin(), m_uiWins.end(), ui);
  if (it == m_uiWins.end()) return FALSE;
  ui->Invalidate();
  m_uiWins.erase(it);
  if (m_capture == ui) m_capture = nullptr;
  if (m_pressed == ui) m_pressed = nullptr;
  if (m_lastPressed == ui) m_lastPressed = nullptr;
  if (m_focus == ui) m_focus = nullptr;
  ui->SetParentWnd(nullptr);
  return TRUE;
}

UiWin* CQzWndEx::GetUiWin(int id) const {
  return FindControlIn(m_uiWins, [id](const UiWin* ui) { return ui->GetID() == id; });
}

UiWin* CQzWndEx::TimerTarget(UINT_PTR timerId) const {
  if (UiWin* byId = FindControlIn(m_uiWins, [timerId](const UiWin* ui) {
        return static_cast<UINT_PTR>(static_cast<UINT>(ui->GetID())) == timerId;
      }))
    return byId;
  return FindControlIn(m_uiWins, [timerId](UiWin* ui) {
    auto* list = dynamic_cast<UiList*>(ui);
    return list && list->GetCollapseTimerId() == timerId;
  });
}

UiWin* CQzWndEx::UiWinFromPoint(int x, int y) const {
  for (auto it = m_uiWins.rbegin(); it != m_uiWins.rend(); ++it)
    if ((*it)->IsVisible() && (*it)->IsEnabled() && (*it)->HitTest(x, y)) return *it;
  return nullptr;
}

void CQzWndEx::SetFocusUi(UiWin* ui) {
  if (ui == m_focus) return;
  UiWin* old = m_focus;
  m_focus = ui;
  if (old) old->OnKillFocus();
  if (ui) ui->OnSetFocus();
}

LRESULT CQzWndEx::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CHAR:
      return m_focus ? m_focus->OnChar(wParam, lParam) : 0;
    case WM_KEYDOWN:
      return m_focus ? m_focus->OnKeyDown(wParam, lParam) : 0;
    default:
      return CQzWnd::QzDefWndProc(msg, wParam, lParam);
  }
}

LRESULT CQzWndEx::OnLButtonDown(UINT flags, int x, int y) {
  UiWin* ui = m_capture ? m_capture : UiWinFromPoint(x, y);
  m_pressed = m_lastPressed = ui;
  return ui ? ui->OnLButtonDown(flags, x, y) : 0;
}

LRESULT CQzWndEx::OnLButtonDblClk(UINT flags, int x, int y) {
  UiWin* ui = m_capture ? m_capture : UiWinFromPoint(x, y);
  bool sameControl = ui == m_lastPressed;
  m_pressed = m_lastPressed = ui;
  if (!ui) return 0;
  // A quick second press on another control is a plain press there.
  return sameControl ? ui->OnLButtonDblClk(flags, x, y) : ui->OnLButtonDown(flags, x, y);
}

LRESULT CQzWndEx::OnMouseMove(UINT flags, int x, int y) {
  UiWin* ui = m_capture ? m_capture : m_pressed;
  return ui ? ui->OnMouseMove(flags, x, y) : 0;
}

LRESULT CQzWndEx::OnLButtonUp(UINT flags, int x, int y) {
  UiWin* ui = m_capture ? m_capture : UiWinFromPoint(x, y);
  m_pressed = nullptr;
  return ui ? ui->OnLButtonUp(flags, x, y) : 0;
}

LRESULT CQzWndEx::OnTimer(UINT_PTR timerId) {
  UiWin* ui = TimerTarget(timerId);
  return ui ? ui->OnTimer(timerId) : 0;
}

void CQzWndEx::PaintWin(HDC hdc, const RECT& rcUpdate) {
  CQzWnd::PaintWin(hdc, rcUpdate);
  // Painting may add or remove controls; walk a copy.
  std::vector<UiWin*> controls = m_uiWins;
  for (UiWin* ui : controls)
    if (ui->IsVisible()) PaintUiWin(hdc, ui, rcUpdate);
}

void CQzWndEx::PaintUiWin(HDC hdc, UiWin* ui, const RECT& rcUpdate) {
  RECT area = RectIntersect(ui->GetPaintRect(), rcUpdate);
  if (RectEmpty(area)) return;
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  cairo_save(cr);
  cairo_rectangle(cr, area.left, area.top, area.right - area.left, area.bottom - area.top);
  cairo_clip(cr);
  ui->PaintWin(hdc, ui->GetWinRect(), area);
  cairo_restore(cr);
}
