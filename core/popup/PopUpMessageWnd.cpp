#include "core/popup/PopUpMessageWnd.h"

#include "core/module/Resources.h"

namespace {

constexpr UINT kStringCopy = 858;
constexpr UINT kImageBubble = 372;
constexpr UINT kImageBubblePressed = 373;
// The bubble picture stretches between its top and bottom ends.
constexpr int kBubbleTopEnd = 73;
constexpr int kBubbleBottomEnd = 44;
constexpr COLORREF kButtonTextColour = 0xFFFFFF;

bool Contains(const RECT& rc, int x, int y) { return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom; }

}  // namespace

CPopUpMessageWnd::CPopUpMessageWnd() { m_copyButton.SetVisible(FALSE); }

CPopUpMessageWnd::~CPopUpMessageWnd() {
  if (m_background) DeleteObject(m_background);
}

void CPopUpMessageWnd::SetBackground(HBITMAP background) {
  if (m_background && m_background != background) DeleteObject(m_background);
  m_background = background;
}

void CPopUpMessageWnd::SetBand(int left, int top, int right, int bottom) {
  m_band = RECT{left, top - kBandAbove, right, bottom + kBandBelow};
}

BOOL CPopUpMessageWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  m_copyButton.SetButtonType(UIBUTTON_TYPE_TEXT);
  m_copyButton.SetPos(0, m_band.top, GetWidth(), kButtonHeight);
  m_copyButton.SetID(kCopyButtonId);
  m_copyButton.EnableNotifyMessage(TRUE);
  m_copyButton.SetText(LoadResString(kStringCopy));
  m_copyButton.SetTextColor(kButtonTextColour);
  m_copyButton.SetVisible(TRUE);
  AddUiWin(&m_copyButton);
  Invalidate();
  return TRUE;
}

LRESULT CPopUpMessageWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_BUTTON_NOTIFY && HIWORD(wParam) == QZ_BN_PRESSED) {
    if (LOWORD(wParam) == kCopyButtonId) {
      m_pressed = TRUE;
      Invalidate();
    }
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

LRESULT CPopUpMessageWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == kCopyButtonId) EndModal(kCopy);
  return 0;
}

LRESULT CPopUpMessageWnd::OnLButtonUp(UINT flags, int x, int y) {
  LRESULT result = CQzWndEx::OnLButtonUp(flags, x, y);
  RECT button{m_band.left, m_band.top, m_band.right, m_band.top + kButtonHeight};
  if (!m_firstRelease && !Contains(button, x, y)) EndModal(kDismissed);
  m_firstRelease = FALSE;
  return result;
}

LRESULT CPopUpMessageWnd::OnPaint(HDC hdc, const RECT& rcUpdate) { return CQzWnd::OnPaint(hdc, rcUpdate); }

void CPopUpMessageWnd::PaintWin(HDC hdc, const RECT& rcUpdate) {
  PaintBackground(hdc, rcUpdate);
  ImagingHelper* bubble = ImagingHelper::GetImageObject(GetImageModule(), kImageBubble, TRUE);
  if (!bubble->IsLoaded()) return;
  RECT dst{m_band.left, m_band.top, m_band.left + bubble->GetWidth(), m_band.bottom};
  RECT src{0, 0, bubble->GetWidth(), bubble->GetHeight()};
  QzBlt_V(hdc, dst, bubble, src, 0, kBubbleTopEnd, kBubbleBottomEnd, TRUE);
  if (m_pressed) PaintPressedBubble(hdc);
  // The toolkit's CQzWndEx::PaintWin would fill the window white first and
  // hide the frozen screen; only the controls are painted over it here.
  for (UiWin* ui : GetUiWins())
    if (ui->IsVisible()) PaintUiWin(hdc, ui, rcUpdate);
}

void CPopUpMessageWnd::PaintBackground(HDC hdc, const RECT& rcUpdate) {
  if (!m_background) return;
  HDC mem = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(mem, m_background);
  BitBlt(hdc, rcUpdate.left, rcUpdate.top, rcUpdate.right - rcUpdate.left, rcUpdate.bottom - rcUpdate.top, mem,
         rcUpdate.left, rcUpdate.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
}

void CPopUpMessageWnd::PaintPressedBubble(HDC hdc) {
  ImagingHelper* pressed = ImagingHelper::GetImageObject(GetImageModule(), kImageBubblePressed, TRUE);
  const int w = pressed->GetWidth(), h = pressed->GetHeight();
  if (w <= 0 || h <= 0) return;
  // The picture goes through a 32-bit bitmap so that AlphaBlend can take its
  // per-pixel transparency.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return;
  HDC mem = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  pressed->Draw(mem, RECT{0, 0, w, h}, FALSE, FALSE);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(hdc, m_band.left, m_band.top, w, h, mem, 0, 0, w, h, blend);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bitmap);
}
