#include "dialogs/DialogButton.h"

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"

namespace qzfc {
namespace {
constexpr COLORREF kFace = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kPressed = RGB(0xD6, 0xE4, 0xF5);
constexpr COLORREF kLine = RGB(0xDD, 0xDD, 0xDD);
constexpr COLORREF kText = RGB(0x22, 0x22, 0x22);
constexpr COLORREF kEmphasis = RGB(0x00, 0x64, 0xC8);
}  // namespace

DialogButton::DialogButton(int id, const RECT& rc, LPCWSTR text, bool emphasis) : m_emphasis(emphasis) {
  SetID(id);
  SetPos(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  SetText(text);
  SetTextSize(26);
  SetTextColor(emphasis ? kEmphasis : kText);
  EnableNotifyMessage(TRUE);
}

void DialogButton::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  HBRUSH face = CreateSolidBrush(IsLButtonDown() ? kPressed : kFace);
  FillRect(hdc, &rcWin, face);
  DeleteObject(face);
  RECT line{rcWin.left, rcWin.top, rcWin.right, rcWin.top + 1};
  HBRUSH lineBrush = CreateSolidBrush(kLine);
  FillRect(hdc, &line, lineBrush);
  DeleteObject(lineBrush);
  SetBkMode(hdc, TRANSPARENT);
  ::SetTextColor(hdc, GetTextColor());
  SelectObject(hdc, FontHelper::GetFont(GetTextSize(), m_emphasis ? 700 : 400, 0, 0, 0, 0));
  RECT text{rcWin.left + 12, rcWin.top, rcWin.right - 12, rcWin.bottom};
  QzDrawText(hdc, GetText(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

LRESULT DialogButton::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  Invalidate();
  return 0;
}

LRESULT DialogButton::OnLButtonUp(UINT flags, int x, int y) {
  const bool wasDown = IsLButtonDown();
  UiWin::OnLButtonUp(flags, x, y);
  Invalidate();
  if (wasDown && HitTest(x, y)) PostCommandMessage(GetID(), 0, 0);
  return 0;
}

}  // namespace qzfc
