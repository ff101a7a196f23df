#include "dialogs/DialogWnd.h"

#include <algorithm>

#include <cairo.h>

#include "controls/ControlPaint.h"
#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/Screen.h"
#include "qzfc/WinApi.h"
#include "window/Geometry.h"

namespace qzfc {
namespace {
// The windows behind show through, darkened by this much black.
constexpr double kDimAlpha = 0.5;
constexpr COLORREF kPanel = RGB(0xF2, 0xF2, 0xF4);
constexpr COLORREF kText = RGB(0x22, 0x22, 0x22);
}  // namespace

void DialogWnd::SetMessage(const std::wstring& text, const RECT& rc) {
  m_message = text;
  m_messageRect = rc;
}

void DialogWnd::AddButton(int id, const RECT& rc, LPCWSTR text, int result, bool emphasis) {
  m_buttons.push_back({std::make_unique<DialogButton>(id, rc, text, emphasis), result});
}

void DialogWnd::PaintBehind(HDC hdc, const RECT& rcUpdate) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  // Client coordinates are the window's: paint the screen below it in place.
  const RECT at = GetWindowRect();
  cairo_save(cr);
  cairo_translate(cr, -at.left, -at.top);
  Screen::Get().PaintWindows(hdc, RectOffset(rcUpdate, at.left, at.top), this);
  cairo_restore(cr);
  controls::FillBlend(hdc, rcUpdate, RGB(0, 0, 0), kDimAlpha);
}

void DialogWnd::PaintWin(HDC hdc, const RECT& rcUpdate) {
  PaintBehind(hdc, rcUpdate);
  HBRUSH panel = CreateSolidBrush(kPanel);
  FillRect(hdc, &m_panel, panel);
  DeleteObject(panel);
  if (!m_message.empty()) {
    SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, kText);
    SelectObject(hdc, FontHelper::GetFont(26, 400, 0, 0, 0, 0));
    // Wrapped text is centred by hand: measure it, then place it in the middle.
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL;
    RECT measure{m_messageRect.left, 0, m_messageRect.right, 0};
    DrawTextW(hdc, m_message.c_str(), static_cast<int>(m_message.size()), &measure, format | DT_CALCRECT);
    const int textHeight = measure.bottom - measure.top;
    const int top = m_messageRect.top + std::max(0, (m_messageRect.bottom - m_messageRect.top - textHeight) / 2);
    QzDrawText(hdc, m_message.c_str(), RECT{m_messageRect.left, top, m_messageRect.right, m_messageRect.bottom}, format);
  }
  for (const Entry& e : m_buttons) PaintUiWin(hdc, e.button.get(), rcUpdate);
}

LRESULT DialogWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE && IsInModalLoop()) {
    EndModal(m_closeResult);
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT DialogWnd::OnQzCommand(WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  for (const Entry& e : m_buttons)
    if (e.button->GetID() == id) EndModal(e.result);
  return 0;
}

int DialogWnd::Run(HWND owner) {
  const RECT wa = QzGetWorkArea();
  if (!Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, owner, 0, WS_POPUP, 0)) return 0;
  for (Entry& e : m_buttons) AddUiWin(e.button.get());
  const int result = DoModal(FALSE);
  DestroyWindow();
  return result;
}

}  // namespace qzfc
