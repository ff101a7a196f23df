#include "dialogs/DialogWnd.h"

#include <algorithm>

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/WinApi.h"

namespace qzfc {
namespace {
constexpr COLORREF kDim = RGB(0x55, 0x55, 0x5A);
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

void DialogWnd::PaintWin(HDC hdc, const RECT& rcUpdate) {
  RECT all = GetClientRect();
  HBRUSH dim = CreateSolidBrush(kDim);
  FillRect(hdc, &all, dim);
  DeleteObject(dim);
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
