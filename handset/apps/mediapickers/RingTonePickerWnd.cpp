#include "RingTonePickerWnd.h"

#include "AppTexts.h"
#include "ce/sound.h"

namespace mediapickers {

RingTonePickerWnd::RingTonePickerWnd(const RingTonePickerSettings& settings)
    : settings_(settings), choices_(settings.userFolder, settings.systemFolder, settings.preselected) {}

BOOL RingTonePickerWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(settings_.title.empty() ? telhub::Text(L"选择铃声", L"Ring tone") : settings_.title.c_str());
  const int listHeight = GetHeight() - UiToolBarPro::kHeight;

  list_.SetID(ID_LIST);
  list_.SetPos(0, 0, GetWidth(), listHeight);
  list_.SetChoices(&choices_);
  list_.EnableNotifyMessage(TRUE);
  list_.EnableScrollBarV(TRUE);
  AddUiWin(&list_);
  list_.ScrollTo(LIST_SCROLL_SHOW_ITEM, choices_.Marked(), FALSE);

  toolBar_.SetID(ID_TOOL_BAR);
  toolBar_.SetPos(0, listHeight, GetWidth(), UiToolBarPro::kHeight);
  const wchar_t* back = settings_.backText.empty() ? telhub::Text(L"返回", L"Back") : settings_.backText.c_str();
  toolBar_.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, back);
  toolBar_.SetButton(TOOLBAR_BUTTON_RIGHT, TRUE, TRUE, telhub::Text(L"确定", L"OK"));
  AddUiWin(&toolBar_);
  return TRUE;
}

LRESULT RingTonePickerWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != ID_TOOL_BAR) return 0;
  if (lParam == TOOLBAR_BUTTON_RIGHT)
    Close(1);
  else if (lParam == TOOLBAR_BUTTON_LEFT)
    Close(2);
  return 0;
}

LRESULT RingTonePickerWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_LIST_CLICK && LOWORD(wParam) == ID_LIST) {
    const int row = LOWORD(lParam);
    if (row < choices_.Count()) {
      const int before = choices_.Marked();
      choices_.Mark(row);
      list_.InvalidateItem(before);
      list_.InvalidateItem(row);
      // The default tone is the phone's setting, not a file: tapping it only
      // stops what plays.
      const std::wstring& path = choices_.At(row).cePath;
      PlaySoundW(path.empty() ? nullptr : path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    }
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

void RingTonePickerWnd::Close(int result) {
  PlaySoundW(nullptr, nullptr, 0);
  EndModal(result);
}

}  // namespace mediapickers
