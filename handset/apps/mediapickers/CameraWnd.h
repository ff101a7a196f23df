// The camera's screen. This machine has no camera: the viewfinder shows a
// generated landscape whose clouds drift on the toolkit's clock. The shutter
// (the tool bar's middle button) takes the viewfinder's picture as a square
// JPEG and ends the window with 1; back ends it with 2.
#pragma once

#include <vector>

#include "PictureFormat.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiStatic.h"
#include "qzfc/UiToolBarPro.h"

namespace mediapickers {

class CameraWnd : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_NOTICE = 2 };
  static constexpr UINT_PTR kFrameTimer = 0x43414D;
  static constexpr UINT kFrameMs = 100;

  explicit CameraWnd(PictureFormat format) : format_(format) {}

  LPCWSTR GetQzClassName() override { return L"CameraWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(UINT_PTR timerId) override;
  void PaintWin(HDC hdc, const RECT& rcUpdate) override;

  // The viewfinder, in window coordinates.
  RECT Viewfinder() const;
  const std::vector<unsigned char>& Picture() const { return picture_; }

 private:
  void TakePicture();
  double Phase() const;

  PictureFormat format_;
  UiStatic notice_;
  UiToolBarPro toolBar_;
  DWORD startTime_ = 0;
  std::vector<unsigned char> picture_;
};

}  // namespace mediapickers
