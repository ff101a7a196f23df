#include "CameraWnd.h"

#include "AppTexts.h"
#include "GeneratedScene.h"
#include "PictureCodec.h"
#include "ce/gdi.h"
#include "qzfc/Clock.h"
#include "qzfc/WinApi.h"

namespace mediapickers {
namespace {

constexpr int kViewfinderSide = 440;
constexpr int kViewfinderTop = 30;
// The scene the camera "sees".
constexpr int kCameraScene = 0;

}  // namespace

BOOL CameraWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(telhub::Text(L"拍照", L"Camera"));
  startTime_ = qzfc::Clock::Now();

  notice_.SetID(ID_NOTICE);
  notice_.SetText(telhub::Text(L"本机没有摄像头，取景框显示的是模拟画面",
                               L"No camera on this phone: the viewfinder shows a made-up scene"));
  notice_.SetTextSize(20);
  notice_.SetTextColor(RGB(0x78, 0x78, 0x78));
  notice_.SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  notice_.SetPos(10, kViewfinderTop + kViewfinderSide + 16, GetWidth() - 20, 40);
  AddUiWin(&notice_);

  toolBar_.SetID(ID_TOOL_BAR);
  toolBar_.SetPos(0, GetHeight() - UiToolBarPro::kHeight, GetWidth(), UiToolBarPro::kHeight);
  toolBar_.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, telhub::Text(L"返回", L"Back"));
  toolBar_.SetMiddleButton(TRUE, TRUE, telhub::Text(L"拍照", L"Shoot"));
  AddUiWin(&toolBar_);
  SetTimer(GetHwnd(), kFrameTimer, kFrameMs, nullptr);
  return TRUE;
}

RECT CameraWnd::Viewfinder() const {
  const int left = (GetWidth() - kViewfinderSide) / 2;
  return RECT{left, kViewfinderTop, left + kViewfinderSide, kViewfinderTop + kViewfinderSide};
}

double CameraWnd::Phase() const { return (qzfc::Clock::Now() - startTime_) / 1000.0; }

void CameraWnd::PaintWin(HDC hdc, const RECT& rcUpdate) {
  CQzWndEx::PaintWin(hdc, rcUpdate);
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  const RECT view = Viewfinder();
  cairo_save(cr);
  cairo_translate(cr, view.left, view.top);
  DrawScene(cr, kViewfinderSide, kViewfinderSide, SceneStyleAt(kCameraScene), Phase());
  // Corner marks of the viewfinder.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
  cairo_set_line_width(cr, 4);
  const double m = 16, l = 40, s = kViewfinderSide;
  const double corners[4][2] = {{m, m}, {s - m, m}, {m, s - m}, {s - m, s - m}};
  for (const auto& c : corners) {
    const double dx = c[0] < s / 2 ? l : -l, dy = c[1] < s / 2 ? l : -l;
    cairo_move_to(cr, c[0] + dx, c[1]);
    cairo_line_to(cr, c[0], c[1]);
    cairo_line_to(cr, c[0], c[1] + dy);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

LRESULT CameraWnd::OnTimer(UINT_PTR timerId) {
  if (timerId != kFrameTimer) return CQzWndEx::OnTimer(timerId);
  const RECT view = Viewfinder();
  Invalidate(&view);
  return 0;
}

LRESULT CameraWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != ID_TOOL_BAR) return 0;
  if (lParam == TOOLBAR_BUTTON_MIDDLE) {
    TakePicture();
  } else if (lParam == TOOLBAR_BUTTON_LEFT) {
    KillTimer(GetHwnd(), kFrameTimer);
    EndModal(2);
  }
  return 0;
}

void CameraWnd::TakePicture() {
  // The shot is drawn at the picture's own size, not scaled from the screen.
  Surface shot(cairo_image_surface_create(CAIRO_FORMAT_RGB24, format_.side, format_.side));
  cairo_t* cr = cairo_create(shot.get());
  DrawScene(cr, format_.side, format_.side, SceneStyleAt(kCameraScene), Phase());
  cairo_destroy(cr);
  Pixbuf picture = PixbufFromSurface(shot.get());
  std::vector<unsigned char> bytes = picture ? EncodeSquareJpeg(picture.get(), format_.side, format_.quality)
                                             : std::vector<unsigned char>{};
  if (bytes.empty()) return;
  picture_ = std::move(bytes);
  KillTimer(GetHwnd(), kFrameTimer);
  EndModal(1);
}

}  // namespace mediapickers
