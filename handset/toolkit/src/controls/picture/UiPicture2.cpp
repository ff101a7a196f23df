#include "qzfc/UiPicture2.h"

#include "qzfc/ImagingHelper.h"

LPCWSTR UiPicture2::GetUiClassName() const { return L"UiPicture2"; }

void UiPicture2::SetImage(ImagingHelper* image, ImagingHelper* pressed) {
  m_image = image;
  m_pressed = pressed;
  Invalidate();
}

LRESULT UiPicture2::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  if (m_pressed) Invalidate();
  return 0;
}

LRESULT UiPicture2::OnLButtonUp(UINT flags, int x, int y) {
  UiWin::OnLButtonUp(flags, x, y);
  if (m_pressed) Invalidate();
  return 0;
}

void UiPicture2::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  ImagingHelper* image = IsLButtonDown() && m_pressed ? m_pressed : m_image;
  if (image) image->Draw(hdc, rcWin, TRUE, m_keepAspect);
}
