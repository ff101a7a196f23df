// The Bluetooth applet's sending screen: how many files, their names, and
// that this phone has no radio to send them with. The one button closes it.
#pragma once

#include <string>
#include <vector>

#include "qzfc/QzWndEx.h"
#include "qzfc/UiList.h"
#include "qzfc/UiStatic.h"
#include "qzfc/UiToolBarPro.h"

namespace btlink {

class BtSendWnd : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_COUNT = 2, ID_FILES = 3, ID_NOTICE = 4 };

  explicit BtSendWnd(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}

  LPCWSTR GetQzClassName() override { return L"BtSendWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<std::wstring> paths_;
  UiStatic count_, notice_;
  UiList files_;
  UiToolBarPro toolBar_;
};

}  // namespace btlink
