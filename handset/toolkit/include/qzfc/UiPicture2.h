// UiPicture2: shows a picture that the caller keeps (a shared image or a
// photo), filling the control's rectangle: stretched, or scaled evenly and
// cut to the rectangle with keep-aspect on. Optionally a second picture is
// shown while the control is pressed.
#pragma once

#include "qzfc/UiWin.h"

class ImagingHelper;

class UiPicture2 : public UiWin {
 public:
  UiPicture2() = default;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

  // Not owned; null for none.
  void SetImage(ImagingHelper* image, ImagingHelper* pressed = nullptr);
  ImagingHelper* GetImage() const { return m_image; }
  void SetKeepAspect(BOOL keep) { m_keepAspect = keep != FALSE; }

 private:
  ImagingHelper* m_image = nullptr;
  ImagingHelper* m_pressed = nullptr;
  bool m_keepAspect = false;
};
