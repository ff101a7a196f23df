#include "qzfc/UiEdit.h"

#include <algorithm>

#include "controls/edit/TextLayout.h"
#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzWndEx.h"

using qzfc::TextLayout;

namespace {
constexpr COLORREF kTipColor = RGB(0x99, 0x99, 0x99);
constexpr COLORREF kCaretColor = RGB(0x00, 0x64, 0xC8);
constexpr int kPadding = 6;
constexpr int kCaretWidth = 2;
constexpr UINT kWrap = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL;
}  // namespace

UiEdit::UiEdit() : UiSingleLineEdit(true) {}

LPCWSTR UiEdit::GetUiClassName() const { return L"UiEdit"; }

void UiEdit::NotifyChange(UINT code, UINT extra) {
  if (CQzWndEx* owner = GetParentWnd())
    owner->PostMessageW(QZ_WM_MEDIT_CHANGE, static_cast<WPARAM>(GetID()), MAKELPARAM(code, extra));
}

LRESULT UiEdit::OnChar(WPARAM wch, LPARAM lParam) {
  if (wch != 13 && wch != 10) return UiSingleLineEdit::OnChar(wch, lParam);
  if (m_buffer.Insert(L'\n')) {
    UiWin::SetText(m_buffer.Text().c_str());
    Redraw();
    NotifyChange(QZ_EN_CHAR, static_cast<UINT>(wch));
  }
  return 0;
}

RECT UiEdit::LinesArea(const RECT& rcWin) const {
  RECT area = TextArea(rcWin);
  area.top += kPadding;
  area.bottom -= kPadding;
  return area;
}

int UiEdit::CaretFromPoint(int x, int y) {
  const RECT area = LinesArea(GetWinRect());
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, FontHelper::GetFont(GetTextSize(), 400, 0, 0, 0, 0));
  const TextLayout layout(dc, m_buffer.Text(), area.right - area.left);
  const int pos = layout.PosAt(x - area.left, y - area.top + m_scroll);
  DeleteDC(dc);
  return pos;
}

void UiEdit::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  PaintBackground(hdc, rcWin);
  const RECT area = LinesArea(rcWin);
  SetBkMode(hdc, TRANSPARENT);
  SelectObject(hdc, FontHelper::GetFont(GetTextSize(), 400, 0, 0, 0, 0));
  const std::wstring& text = m_buffer.Text();
  const TextLayout layout(hdc, text, area.right - area.left);
  const int lineHeight = layout.LineHeight();
  const int caretLine = layout.LineOf(m_buffer.Caret());

  // Scroll as little as keeps the caret's line in view.
  const int visible = area.bottom - area.top;
  if (m_insideScroll) {
    const int caretTop = caretLine * lineHeight;
    if (caretTop < m_scroll) m_scroll = caretTop;
    if (caretTop + lineHeight > m_scroll + visible) m_scroll = caretTop + lineHeight - visible;
    m_scroll = std::clamp(m_scroll, 0, std::max(0, layout.Height() - visible));
  } else {
    m_scroll = 0;
  }

  if (text.empty()) {
    ::SetTextColor(hdc, kTipColor);
    QzDrawText(hdc, GetTip(), area, kWrap);
  } else {
    ::SetTextColor(hdc, GetTextColor());
    for (int i = 0; i < static_cast<int>(layout.Lines().size()); ++i) {
      const int top = area.top - m_scroll + i * lineHeight;
      if (top + lineHeight <= rcWin.top || top >= rcWin.bottom) continue;
      RECT r{area.left, top, area.right, top + lineHeight};
      QzDrawText(hdc, layout.LineText(i).c_str(), r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    }
  }
  if (HasFocus()) {
    const int x = area.left + std::min(layout.XOf(m_buffer.Caret()), static_cast<int>(area.right - area.left));
    const int top = area.top - m_scroll + caretLine * lineHeight;
    RECT caret{x, top, x + kCaretWidth, top + lineHeight};
    HBRUSH brush = CreateSolidBrush(kCaretColor);
    FillRect(hdc, &caret, brush);
    DeleteObject(brush);
  }
}
