#include "PlaceholderWnd.h"

#include "TelhubWnd.h"
#include "ce/modules.h"
#include "qzfc/ImagingHelper.h"

namespace telhub {
namespace {

// The tab buttons (3 call log, 4 contacts, 5 dialer) with the image
// library's icons, `current` highlighted.
void SetTabButtons(UiToolBarPro& toolBar, int current) {
  HMODULE images = LoadLibraryExW(L"vornares.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  // Icons 100 to 102, their pressed faces 103 to 105.
  for (int index = 3; index <= 5; ++index)
    toolBar.SetIconButton(index, TRUE, TRUE, ImagingHelper::GetImageObject(images, 97 + index, TRUE),
                          ImagingHelper::GetImageObject(images, 100 + index, TRUE), nullptr);
  toolBar.SetMiddleButtonHighLight(current);
}

}  // namespace

BOOL PlaceholderWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  text_.SetID(kTextId);
  text_.SetText(L"not available yet");
  text_.SetTextSize(28);
  text_.SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  text_.SetTextColor(RGB(0x78, 0x78, 0x78));
  text_.SetPos(0, 0, GetWidth(), GetHeight() - UiToolBarPro::kHeight);
  AddUiWin(&text_);
  toolBar_.SetID(kToolBarId);
  toolBar_.SetPos(0, GetHeight() - UiToolBarPro::kHeight, GetWidth(), UiToolBarPro::kHeight);
  SetTabButtons(toolBar_, tab_);
  AddUiWin(&toolBar_);
  return TRUE;
}

LRESULT PlaceholderWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == kToolBarId && lParam >= TAB_CALL_LOG && lParam <= TAB_DIALER && lParam != tab_)
    if (CQzWnd* host = FromHandle(GetParent()))
      host->SendMessageW(kMsgSwitchTab, reinterpret_cast<WPARAM>(this), lParam);
  return 0;
}

LRESULT PlaceholderWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SHOWWINDOW && wParam) toolBar_.SetMiddleButtonHighLight(tab_);
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

}  // namespace telhub
