// UiSearchBox: the decoration of a search strip: a light band with a rounded
// white field and a magnifier at its left. The text itself is typed into a
// UiSingleLineEdit placed over the field (from x = 60 on).
#pragma once

#include "qzfc/UiWin.h"

class UiSearchBox : public UiWin {
 public:
  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
};
