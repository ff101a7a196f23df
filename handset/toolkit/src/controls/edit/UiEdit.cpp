#include "qzfc/UiEdit.h"

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzWndEx.h"

namespace {
constexpr COLORREF kTipColor = RGB(0x99, 0x99, 0x99);
constexpr COLORREF kCaretColor = RGB(0x00, 0x64, 0xC8);
constexpr int kPadding = 6;
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

void UiEdit::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  PaintBackground(hdc, rcWin);
  RECT area = TextArea(rcWin);
  area.top += kPadding;
  area.bottom -= kPadding;
  SetBkMode(hdc, TRANSPARENT);
  SelectObject(hdc, FontHelper::GetFont(GetTextSize(), 400, 0, 0, 0, 0));
  const std::wstring& text = m_buffer.Text();
  if (text.empty()) {
    m_scroll = 0;
    ::SetTextColor(hdc, kTipColor);
    QzDrawText(hdc, GetTip(), area, kWrap);
  } else {
    // The height of the text as it wraps, and how far it must move up so
    // that its end stays in view.
    RECT measure{area.left, 0, area.right, 0};
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &measure, kWrap | DT_CALCRECT);
    const int textHeight = measure.bottom - measure.top;
    const int visible = area.bottom - area.top;
    m_scroll = (m_insideScroll && textHeight > visible) ? textHeight - visible : 0;
    ::SetTextColor(hdc, GetTextColor());
    RECT r{area.left, area.top - m_scroll, area.right, area.top - m_scroll + textHeight};
    QzDrawText(hdc, text.c_str(), r, kWrap);
  }
  // FIXME: the caret is drawn only when it is at the end of the text; a caret
  // inside wrapped text would need the line layout.
  if (HasFocus() && m_buffer.Caret() == static_cast<int>(text.size())) {
    const size_t lineStart = text.rfind(L'\n');
    const std::wstring lastLine = lineStart == std::wstring::npos ? text : text.substr(lineStart + 1);
    RECT upToEnd{area.left, 0, area.right, 0};
    int height = text.empty() ? 0 : DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &upToEnd, kWrap | DT_CALCRECT);
    const int lineHeight = GetTextSize() + 4;
    if (text.empty() || text.back() == L'\n') height += text.empty() ? lineHeight : 0;
    const int width = TextWidth(hdc, lastLine, GetTextSize());
    const int x = area.left + (width < area.right - area.left ? width : 0);
    const int bottom = area.top - m_scroll + height;
    RECT caret{x, bottom - lineHeight, x + 2, bottom};
    HBRUSH brush = CreateSolidBrush(kCaretColor);
    FillRect(hdc, &caret, brush);
    DeleteObject(brush);
  }
}
