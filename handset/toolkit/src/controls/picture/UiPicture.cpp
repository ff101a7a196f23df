#include "qzfc/UiPicture.h"

#include <cairo.h>

#include <algorithm>

#include "qzfc/ImagingHelper.h"

UiPicture::~UiPicture() { Release(); }

LPCWSTR UiPicture::GetUiClassName() const { return L"UiPicture"; }

void UiPicture::Release() {
  if (m_owned) delete m_image;
  m_image = nullptr;
  m_owned = false;
}

BOOL UiPicture::LoadImageW(HMODULE module, UINT type, UINT id, BOOL shared) {
  Release();
  ImagingHelper* image = ImagingHelper::GetImageObject(module, type, id, shared);
  if (!image) return FALSE;
  if (!image->IsLoaded()) {
    if (!shared) delete image;
    return FALSE;
  }
  m_image = image;
  m_owned = !shared;
  Invalidate();
  return TRUE;
}

void UiPicture::SetImage(ImagingHelper* image) {
  Release();
  m_image = image;
  Invalidate();
}

void UiPicture::SetEdge(int left, int top, int right, int bottom) {
  m_edge = RECT{std::max(left, 0), std::max(top, 0), std::max(right, 0), std::max(bottom, 0)};
}

void UiPicture::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  if (!m_image || !m_image->IsLoaded()) return;
  switch (m_mode) {
    case PICTURE_PAINT_EDGES:
      DrawEdges(hdc, rcWin);
      break;
    case PICTURE_PAINT_STRETCH:
      m_image->Draw(hdc, rcWin, TRUE, FALSE);
      break;
    default:
      m_image->Draw(hdc, rcWin, FALSE, FALSE);
      break;
  }
}

// Nine cells: each cell of the picture, cut by the edges, is drawn into the
// matching cell of the rectangle. The corners keep their size, the borders
// stretch along their length, the middle stretches both ways.
void UiPicture::DrawEdges(HDC hdc, const RECT& rc) {
  cairo_t* cr = CeGetCairo(hdc);
  int iw = m_image->GetWidth(), ih = m_image->GetHeight();
  int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (!cr || w <= 0 || h <= 0) return;
  // Edges wider than the picture or the rectangle shrink to fit both.
  int left = std::min<int>(m_edge.left, iw / 2), right = std::min<int>(m_edge.right, iw - left);
  int top = std::min<int>(m_edge.top, ih / 2), bottom = std::min<int>(m_edge.bottom, ih - top);
  if (left + right > w) left = right = w / 2;
  if (top + bottom > h) top = bottom = h / 2;
  const int srcX[4] = {0, left, iw - right, iw};
  const int srcY[4] = {0, top, ih - bottom, ih};
  const int dstX[4] = {rc.left, rc.left + left, rc.right - right, rc.right};
  const int dstY[4] = {rc.top, rc.top + top, rc.bottom - bottom, rc.bottom};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      int sw = srcX[col + 1] - srcX[col], sh = srcY[row + 1] - srcY[row];
      int dw = dstX[col + 1] - dstX[col], dh = dstY[row + 1] - dstY[row];
      if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) continue;
      double sx = static_cast<double>(dw) / sw, sy = static_cast<double>(dh) / sh;
      // The whole picture, scaled so that this cell lands on its place.
      double x0 = dstX[col] - srcX[col] * sx, y0 = dstY[row] - srcY[row] * sy;
      RECT whole{static_cast<LONG>(x0), static_cast<LONG>(y0), static_cast<LONG>(x0 + iw * sx + 0.5),
                 static_cast<LONG>(y0 + ih * sy + 0.5)};
      cairo_save(cr);
      cairo_rectangle(cr, dstX[col], dstY[row], dw, dh);
      cairo_clip(cr);
      m_image->DrawOnCairo(cr, &whole, TRUE, FALSE);
      cairo_restore(cr);
    }
  }
}
