// The picture picker's screen: the pictures of the device's picture folder
// as a grid. A tap on a picture chooses it (the window ends with 1 and holds
// the picture as a square JPEG); back ends with 2.
#pragma once

#include <vector>

#include "PictureFormat.h"
#include "PictureGrid.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiStatic.h"
#include "qzfc/UiToolBarPro.h"

namespace mediapickers {

inline constexpr wchar_t kPictureFolder[] = L"\\My Documents\\My Pictures";

class PicturePickerWnd : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_GRID = 2, ID_EMPTY = 3 };

  explicit PicturePickerWnd(PictureFormat format) : format_(format) {}

  LPCWSTR GetQzClassName() override { return L"PicturePickerWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  PictureGrid& Grid() { return grid_; }
  // The chosen picture's JPEG bytes (after DoModal returned 1).
  const std::vector<unsigned char>& Picture() const { return picture_; }

 private:
  void Choose(int picture);

  PictureFormat format_;
  PictureGrid grid_;
  UiStatic empty_;
  UiToolBarPro toolBar_;
  std::vector<unsigned char> picture_;
};

}  // namespace mediapickers
