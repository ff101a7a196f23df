#include "qzfc/UiStatic.h"

#include "controls/ControlPaint.h"
#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"

using namespace qzfc::controls;

LPCWSTR UiStatic::GetUiClassName() const { return L"UiStatic"; }

void UiStatic::SetText(LPCWSTR text) {
  UiWin::SetText(text);
  Invalidate();
}

LRESULT UiStatic::OnLButtonDown(UINT, int, int) { return 0; }
LRESULT UiStatic::OnLButtonDblClk(UINT, int, int) { return 0; }
LRESULT UiStatic::OnLButtonUp(UINT, int, int) { return 0; }

void UiStatic::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  if (m_hasBk) FillSolid(hdc, rcWin, m_bkColor);
  if ((m_format & DT_VCENTER) && !(m_format & DT_SINGLELINE)) {
    // DrawText centres only single lines; centre wrapped text by measuring it.
    RECT measure = rcWin;
    HGDIOBJ old = SelectObject(hdc, FontHelper::GetFont(GetTextSize(), m_bold ? 700 : 400, 0, 0, 0, 0));
    QzDrawText(hdc, GetText(), &measure, m_format | DT_CALCRECT);
    SelectObject(hdc, old);
    int height = measure.bottom - measure.top;
    RECT r = rcWin;
    if (height < rcWin.bottom - rcWin.top) r.top += (rcWin.bottom - rcWin.top - height) / 2;
    DrawLabel(hdc, GetText(), r, GetTextSize(), GetTextColor(), m_format & ~DT_VCENTER, m_bold);
    return;
  }
  DrawLabel(hdc, GetText(), rcWin, GetTextSize(), GetTextColor(), m_format, m_bold);
}
