// The screenshots of the controls for the README's gallery (gallery.h); each
// is checked for the parts a user must see.

#include "ce/modules.h"
#include "window_fixture.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/QzResources.h"
#include "qzfc/UiAlphabetBar.h"
#include "qzfc/UiButtonEx.h"
#include "qzfc/UiPicture.h"
#include "qzfc/UiScrollWin.h"
#include "qzfc/UiSlideBar.h"
#include "qzfc/UiStatic.h"
#include "qzfc/UiToolBarPro.h"

namespace qzfc::test {
namespace {

class GalleryTest : public ControlsTest {
 protected:
  ImagingHelper* Image(UINT id) {
    if (!images) images = LoadLibraryExW(L"vornares.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return ImagingHelper::GetImageObject(images, id, TRUE);
  }
  void Tabs(UiToolBarPro& bar) {
    bar.SetIconButton(3, TRUE, TRUE, Image(100), Image(103), nullptr);
    bar.SetIconButton(4, TRUE, TRUE, Image(101), Image(104), nullptr);
    bar.SetIconButton(5, TRUE, TRUE, Image(102), Image(105), nullptr);
  }
  HMODULE images = nullptr;
};

TEST_F(GalleryTest, Controls) {
  UiStatic strip;
  strip.SetPos(0, 0, 480, 64);
  strip.SetBkColor(RGB(0xF1, 0xF3, 0xF5));
  UiButtonEx count;
  count.SetID(103);
  count.SetPos(0, 0, 480, 64);
  count.SetText(L"128 联系人");
  count.SetPressedTextColor(0x643200);
  count.SetTextOffset(24);
  UiSlideBar types;
  types.SetPos(0, 74, 420, 68);
  types.SetButtonCount(3);
  const wchar_t* labels[] = {L"家庭", L"工作", L"其它"};
  for (int i = 0; i < 3; ++i) types.SetButtonText(i, labels[i]);
  types.SetHighLightButton(1);
  UiButton push, check;
  push.SetButtonType(UIBUTTON_TYPE_PUSH);
  push.SetPos(20, 160, 180, 64);
  push.SetText(L"拨打");
  check.SetButtonType(UIBUTTON_TYPE_CHECK);
  check.SetPos(220, 160, 180, 64);
  check.SetText(L"常用");
  check.SetState(UIBUTTON_STATE_PRESSED, TRUE);
  UiPicture frame;
  frame.SetPos(20, 244, 380, 64);
  frame.LoadImageW(GetQzResModuleHandle(), 10, 109, TRUE);
  frame.SetPaintMode(PICTURE_PAINT_EDGES);
  frame.SetEdge(8, 8, 8, 8);
  UiStatic note;
  note.SetPos(36, 244, 350, 64);
  note.SetText(L"没有通话记录");
  note.SetTextColor(RGB(0x82, 0x8E, 0x95));
  UiAlphabetBar letters;
  letters.SetPos(430, 74, 50, 560);
  UiToolBarPro bar;
  bar.SetPos(0, wnd.GetHeight() - UiToolBarPro::kHeight, 480, UiToolBarPro::kHeight);
  bar.SetButton(0, TRUE, TRUE, L"新建");
  bar.SetButton(1, TRUE, TRUE, L"组别");
  Tabs(bar);
  bar.SetMiddleButtonHighLight(4);
  for (UiWin* ui : std::initializer_list<UiWin*>{&strip, &count, &types, &push, &check, &frame, &note, &letters, &bar})
    wnd.AddUiWin(ui);
  wnd.Invalidate(nullptr);
  // The finger on "M" of the alphabet bar shows its touched look.
  robot.Press(455, 74 + 12 * 560 / 26 + 8 + top);
  SaveGalleryShot(robot, "controls");
  robot.Release(455, 74 + 12 * 560 / 26 + 8 + top);
  EXPECT_STREQ(letters.GetCurLetter(), L"M");
  EXPECT_TRUE(Near(At(5, 5), 0xF1F3F5)) << "the strip behind the count";
  EXPECT_TRUE(Near(At(5, wnd.GetHeight() - 5), 0xF7F8FA)) << "the tool bar";
}

TEST_F(GalleryTest, ToolBars) {
  int h = UiToolBarPro::kHeight;
  UiToolBarPro tabs, selectAll, edit;
  tabs.SetPos(0, 40, 480, h);
  tabs.SetButton(0, TRUE, TRUE, L"未接");
  tabs.SetButton(1, TRUE, TRUE, L"清空");
  Tabs(tabs);
  tabs.SetMiddleButtonHighLight(3);
  HMODULE qz = GetQzResV2ModuleHandle();
  selectAll.SetPos(0, 160, 480, h);
  selectAll.SetButton(0, TRUE, TRUE, L"取消");
  selectAll.SetMiddleButton(TRUE, TRUE, L"全选", ImagingHelper::GetImageObject(qz, 123, TRUE),
                            ImagingHelper::GetImageObject(qz, 122, TRUE), nullptr);
  selectAll.SetButton(1, TRUE, FALSE, L"确定");
  edit.SetPos(0, 280, 480, h);
  edit.SetButton(0, TRUE, TRUE, L"返回");
  edit.SetMiddleButton(TRUE, TRUE, L"删除", ImagingHelper::GetImageObject(qz, 320, TRUE),
                       ImagingHelper::GetImageObject(qz, 321, TRUE), nullptr);
  edit.SetButton(1, TRUE, TRUE, L"完成");
  for (UiToolBarPro* bar : {&tabs, &selectAll, &edit}) wnd.AddUiWin(bar);
  wnd.Invalidate(nullptr);
  // The dialer tab under the finger.
  RECT dial = tabs.GetButtonRect(5);
  robot.Press((dial.left + dial.right) / 2, top + 75);
  SaveGalleryShot(robot, "controls_toolbars");
  robot.Release((dial.left + dial.right) / 2, top + 75);
  EXPECT_EQ(TakeCommands(), (Commands{{0, 5}}));
}

}  // namespace
}  // namespace qzfc::test
