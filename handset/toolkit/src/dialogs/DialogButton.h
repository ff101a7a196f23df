// A button of the toolkit's dialogs (menu entries, message box buttons): a
// flat face with centred text that looks pressed while the finger is on it
// and posts its command when released over it.
#pragma once

#include "qzfc/UiWin.h"

namespace qzfc {

class DialogButton : public UiWin {
 public:
  DialogButton(int id, const RECT& rc, LPCWSTR text, bool emphasis);
  LPCWSTR GetUiClassName() const override { return L"QzDialogButton"; }
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

 private:
  bool m_emphasis;
};

}  // namespace qzfc
