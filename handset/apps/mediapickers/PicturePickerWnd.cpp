#include "PicturePickerWnd.h"

#include "AppTexts.h"
#include "MediaFolder.h"

namespace mediapickers {
namespace {

// The chosen picture is decoded at most this large before its square is cut.
constexpr int kDecodeSide = 1024;

}  // namespace

BOOL PicturePickerWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(telhub::Text(L"选择图片", L"Choose a picture"));
  const int listHeight = GetHeight() - UiToolBarPro::kHeight;

  std::vector<std::filesystem::path> files;
  for (MediaFile& found : ListMediaFiles(kPictureFolder, {L".jpg", L".jpeg", L".png"}))
    files.push_back(std::move(found.file));
  grid_.SetID(ID_GRID);
  grid_.SetPos(0, 0, GetWidth(), listHeight);
  grid_.SetPictures(std::move(files));
  grid_.EnableNotifyMessage(TRUE);
  grid_.EnableScrollBarV(TRUE);
  AddUiWin(&grid_);

  if (grid_.PictureCount() == 0) {
    empty_.SetID(ID_EMPTY);
    empty_.SetText(telhub::Text(L"没有图片", L"No pictures"));
    empty_.SetTextSize(28);
    empty_.SetTextColor(RGB(0x80, 0x80, 0x80));
    empty_.SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    empty_.SetPos(0, listHeight / 2 - 40, GetWidth(), 80);
    AddUiWin(&empty_);
  }

  toolBar_.SetID(ID_TOOL_BAR);
  toolBar_.SetPos(0, listHeight, GetWidth(), UiToolBarPro::kHeight);
  toolBar_.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, telhub::Text(L"返回", L"Back"));
  AddUiWin(&toolBar_);
  return TRUE;
}

LRESULT PicturePickerWnd::OnQzCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_TOOL_BAR && lParam == TOOLBAR_BUTTON_LEFT) EndModal(2);
  return 0;
}

LRESULT PicturePickerWnd::QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == QZ_WM_LIST_CLICK && LOWORD(wParam) == ID_GRID) {
    Choose(grid_.PictureAt(LOWORD(lParam), HIWORD(lParam)));
    return 0;
  }
  return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
}

void PicturePickerWnd::Choose(int picture) {
  if (picture < 0) return;
  // A file that does not decode (its cell shows a cross) chooses nothing.
  Pixbuf decoded = LoadPictureFile(grid_.PictureFile(picture), kDecodeSide);
  if (!decoded) return;
  std::vector<unsigned char> bytes = EncodeSquareJpeg(decoded.get(), format_.side, format_.quality);
  if (bytes.empty()) return;
  picture_ = std::move(bytes);
  EndModal(1);
}

}  // namespace mediapickers
