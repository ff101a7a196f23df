#include "BtSendWnd.h"

#include "AppTexts.h"
#include "FileName.h"

namespace btlink {
namespace {

void SetUpLine(UiStatic& line, int id, const std::wstring& text, int size, COLORREF colour) {
  line.SetID(id);
  line.SetText(text.c_str());
  line.SetTextSize(size);
  line.SetTextColor(colour);
  line.SetTextFormat(DT_LEFT | DT_VCENTER | DT_WORDBREAK);
}

}  // namespace

BOOL BtSendWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(telhub::Text(L"蓝牙发送", L"Bluetooth"));
  const int width = GetWidth();
  const std::wstring count = std::to_wstring(paths_.size());
  SetUpLine(count_, ID_COUNT,
            telhub::Text(L"发送 ", L"Send ") + count + telhub::Text(L" 个文件", L" file(s)"), 28,
            RGB(0x20, 0x20, 0x20));
  count_.SetPos(20, 16, width - 40, 56);
  AddUiWin(&count_);

  const int listTop = 80, listBottom = GetHeight() - UiToolBarPro::kHeight - 120;
  files_.SetID(ID_FILES);
  files_.SetPos(0, listTop, width, listBottom - listTop);
  files_.SetItemHeight(64);
  files_.SetTextSize(24);
  for (const std::wstring& path : paths_) files_.AddItem(telhub::FileName(path).c_str());
  files_.EnableScrollBarV(TRUE);
  AddUiWin(&files_);

  SetUpLine(notice_, ID_NOTICE,
            telhub::Text(L"本机没有蓝牙无线电，文件没有发出。",
                         L"This phone has no Bluetooth radio: the files were not sent."),
            22, RGB(0xB0, 0x30, 0x20));
  notice_.SetPos(20, listBottom + 20, width - 40, 80);
  AddUiWin(&notice_);

  toolBar_.SetID(ID_TOOL_BAR);
  toolBar_.SetPos(0, GetHeight() - UiToolBarPro::kHeight, width, UiToolBarPro::kHeight);
  toolBar_.SetMiddleButton(TRUE, TRUE, telhub::Text(L"关闭", L"Close"));
  AddUiWin(&toolBar_);
  return TRUE;
}

LRESULT BtSendWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_TOOL_BAR && lParam == TOOLBAR_BUTTON_MIDDLE) EndModal(1);
  return 0;
}

}  // namespace btlink
