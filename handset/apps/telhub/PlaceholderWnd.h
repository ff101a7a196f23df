// The page a tab shows until its window is built: "not available yet" over
// the tool bar with the three tab buttons, which switch tabs like the real
// windows' do (0x401 to the host).
#pragma once

#include "qzfc/QzWndEx.h"
#include "qzfc/UiStatic.h"
#include "qzfc/UiToolBarPro.h"

namespace telhub {

class PlaceholderWnd : public CQzWndEx {
 public:
  static constexpr int kToolBarId = 1;
  static constexpr int kTextId = 2;

  explicit PlaceholderWnd(int tab) : tab_(tab) {}

  LPCWSTR GetQzClassName() override { return L"TelhubPlaceholderWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  int tab_;
  UiStatic text_;
  UiToolBarPro toolBar_;
};

}  // namespace telhub
