#include "core/tabs/TabButtons.h"

#include "core/module/Resources.h"

namespace vorna {

namespace {

// Each tab's image; its pressed look is three ids further on.
constexpr UINT kImgCallLogTab = 100, kImgContactsTab = 101, kImgDialerTab = 102, kImgTabPressedOffset = 3;

ImagingHelper* Image(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }

void AddTab(UiToolBarPro& toolBar, int tab, UINT image) {
  toolBar.SetIconButton(tab, TRUE, TRUE, Image(image), Image(image + kImgTabPressedOffset), nullptr);
}

}  // namespace

void AddTabButtons(UiToolBarPro& toolBar, int currentTab) {
  AddTab(toolBar, kCallLogTab, kImgCallLogTab);
  AddTab(toolBar, kContactsTab, kImgContactsTab);
  AddTab(toolBar, kDialerTab, kImgDialerTab);
  toolBar.SetMiddleButtonHighLight(currentTab);
}

}  // namespace vorna
