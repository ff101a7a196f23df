#include "dialogs/DateColumn.h"

#include <algorithm>

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"

namespace qzfc {
namespace {
constexpr COLORREF kBand = RGB(0xE3, 0xEE, 0xFA);
constexpr COLORREF kChosen = RGB(0x00, 0x50, 0xA0);
constexpr COLORREF kOther = RGB(0x99, 0x99, 0x99);
}  // namespace

void DateColumn::SetCount(int count) {
  m_count = std::max(0, count);
  SetSelected(m_selected);
}

void DateColumn::SetSelected(int index) { m_selected = m_count == 0 ? 0 : std::clamp(index, 0, m_count - 1); }

void DateColumn::Step(int delta) {
  const int before = m_selected;
  SetSelected(m_selected + delta);
  if (m_selected == before) return;
  Invalidate();
  if (m_onChange) m_onChange();
}

LRESULT DateColumn::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  m_downY = y;
  m_stepsTaken = 0;
  return 0;
}

// A quick second tap steps again, like the first.
LRESULT DateColumn::OnLButtonDblClk(UINT flags, int x, int y) {
  UiWin::OnLButtonDblClk(flags, x, y);
  m_downY = y;
  m_stepsTaken = 0;
  return 0;
}

LRESULT DateColumn::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (!IsLButtonDown()) return 0;
  // Moving the finger up brings later entries into the band.
  const int steps = (m_downY - y) / kRowHeight;
  if (steps != m_stepsTaken) {
    Step(steps - m_stepsTaken);
    m_stepsTaken = steps;
  }
  return 0;
}

LRESULT DateColumn::OnLButtonUp(UINT flags, int x, int y) {
  const bool tap = IsLButtonDown() && !IsMouseMoved();
  UiWin::OnLButtonUp(flags, x, y);
  if (!tap) return 0;
  const int middle = (GetTop() + GetTop() + GetHeight()) / 2;
  if (y < middle - kRowHeight / 2) Step(-1);
  else if (y >= middle + kRowHeight / 2) Step(1);
  return 0;
}

void DateColumn::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  const int middle = (rcWin.top + rcWin.bottom) / 2;
  RECT band{rcWin.left + 4, middle - kRowHeight / 2, rcWin.right - 4, middle + kRowHeight / 2};
  HBRUSH brush = CreateSolidBrush(kBand);
  FillRect(hdc, &band, brush);
  DeleteObject(brush);
  SetBkMode(hdc, TRANSPARENT);
  const int around = (rcWin.bottom - rcWin.top) / kRowHeight / 2 + 1;
  for (int d = -around; d <= around; ++d) {
    const int i = m_selected + d;
    if (i < 0 || i >= m_count) continue;
    std::wstring text = std::to_wstring(m_first + i);
    if (d == 0) text += m_label;
    const int top = middle - kRowHeight / 2 + d * kRowHeight;
    ::SetTextColor(hdc, d == 0 ? kChosen : kOther);
    SelectObject(hdc, FontHelper::GetFont(d == 0 ? 32 : 26, d == 0 ? 700 : 400, 0, 0, 0, 0));
    QzDrawText(hdc, text.c_str(), RECT{rcWin.left, top, rcWin.right, top + kRowHeight},
               DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

}  // namespace qzfc
