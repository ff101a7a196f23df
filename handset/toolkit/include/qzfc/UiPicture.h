// UiPicture: draws one picture into its rectangle. Paint modes:
// PICTURE_PAINT_CENTER (0) at the picture's own size, centred;
// PICTURE_PAINT_EDGES (1) stretched with its edges kept unscaled (a frame
// whose corners and borders keep their width at any size; see SetEdge);
// PICTURE_PAINT_STRETCH (2) stretched to fill the rectangle.
#pragma once

#include "qzfc/UiWin.h"

class ImagingHelper;

enum PICTURE_PAINT_MODE {
  PICTURE_PAINT_CENTER = 0,
  PICTURE_PAINT_EDGES = 1,
  PICTURE_PAINT_STRETCH = 2,
};

class UiPicture : public UiWin {
 public:
  UiPicture() = default;
  ~UiPicture() override;
  UiPicture(const UiPicture&) = delete;
  UiPicture& operator=(const UiPicture&) = delete;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;

  // Loads picture `id` of resource `type` (0 for the toolkit's picture type)
  // from an image module: shared, the toolkit's cached object; otherwise an
  // object of this control's own. FALSE, leaving the control without a
  // picture, when the module has no such picture.
  BOOL LoadImageW(HMODULE module, UINT type, UINT id, BOOL shared);
  // A picture the caller keeps (not owned); null for none.
  void SetImage(ImagingHelper* image);
  ImagingHelper* GetImage() const { return m_image; }

  void SetPaintMode(int mode) { m_mode = mode; }
  int GetPaintMode() const { return m_mode; }
  // The unscaled borders of paint mode 1, in pixels of the picture.
  void SetEdge(int left, int top, int right, int bottom);

 private:
  void Release();
  void DrawEdges(HDC hdc, const RECT& rc);

  ImagingHelper* m_image = nullptr;
  bool m_owned = false;
  int m_mode = PICTURE_PAINT_CENTER;
  RECT m_edge{};
};
