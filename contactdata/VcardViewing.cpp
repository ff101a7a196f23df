#include "contactdata/VcardViewing.h"

#include "contacts/info/CContactInfoWnd.h"
#include "core/module/Resources.h"

namespace {

constexpr UINT kStrNoCardFound = 809;  // "没有发现任何联系人名片。"

// A card that does not decode leaves the window nothing to show; the user is
// told so instead of seeing nothing happen.
void ShowCard(HWND owner, CContactInfoWnd& window) {
  if (!window.GetVcardContact()) {
    QzMessageBoxV2(owner, LoadResString(kStrNoCardFound), 1, 0);
    return;
  }
  RECT wa = QzGetWorkArea();
  if (window.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, owner, 0, WS_POPUP)) window.DoModal(TRUE);
  window.DestroyWindow();
}

}  // namespace

void FastProcessVcf(HWND owner, const wchar_t* path) {
  CContactInfoWnd window;
  window.setVcfFile(path);
  ShowCard(owner, window);
}

void FastProcessVcfContent(HWND owner, const wchar_t* text) {
  CContactInfoWnd window;
  window.setVcfBuf(text);
  ShowCard(owner, window);
}
