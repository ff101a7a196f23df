// The modal menu and message box, driven by the robot while they wait.
#include <gtest/gtest.h>

#include "input_fixture.h"
#include "pixels.h"
#include "qzfc/QzMessageBox.h"
#include "qzfc/QzPopupMenu.h"
#include "qzfc/QzWnd.h"
#include "qzfc/UiList.h"

namespace qzfc::test {
namespace {

class DialogTest : public ToolkitTest {
 protected:
  // The window behind the dialogs shows a list, as the windows that open them do.
  void SetUp() override {
    Open(wnd);
    for (const wchar_t* name : {L"张三", L"李四", L"王芳", L"Ann Lee", L"Li Lei", L"赵六", L"孙七", L"周八"})
      backdrop.AddItem(name);
    backdrop.SetPos(0, 0, 480, 720);
    wnd.AddUiWin(&backdrop);
  }
  // Queues a tap on the control `id` of the dialog that will be waiting,
  // after checking what it shows.
  void TapWhenWaiting(int id, std::wstring expectText = L"", std::string shot = "") {
    robot.WhenModalWaits([this, id, expectText, shot] {
      CQzWnd* dialog = robot.Foreground();
      ASSERT_NE(dialog, &wnd);
      UiWin* control = robot.FindControl(id);
      ASSERT_NE(control, nullptr);
      if (!expectText.empty()) {
        EXPECT_EQ(std::wstring(control->GetText()), expectText);
      }
      if (!shot.empty()) SaveGalleryShot(robot, shot);
      RECT at = dialog->GetWindowRect();
      RECT r = control->GetWinRect();
      robot.Tap(at.left + (r.left + r.right) / 2, at.top + (r.top + r.bottom) / 2);
    });
  }
  RecordingWnd wnd;
  UiList backdrop;
};

TEST_F(DialogTest, MenuReturnsTheChosenCommandOrZeroOnCancelOrASlideOff) {
  QzPopupMenu menu;
  EXPECT_TRUE(menu.AppendMenuItem(100, L"添加为新联系人", 0));
  EXPECT_TRUE(menu.AppendMenuItem(2, L"添加到现有联系人", 0));
  EXPECT_FALSE(menu.AppendMenuItem(7, L"", 0));
  EXPECT_FALSE(menu.AppendMenuItem(7, nullptr, 0));
  EXPECT_EQ(menu.GetItemCount(), 2);

  TapWhenWaiting(QzPopupMenu::kFirstItemId + 1, L"添加到现有联系人", "input_menu");
  EXPECT_EQ(menu.QzTrackPopupMenu(wnd.GetHwnd(), 1, L"取消", 0), 2u);
  TapWhenWaiting(QzPopupMenu::kFirstItemId + 0);
  EXPECT_EQ(menu.QzTrackPopupMenu(wnd.GetHwnd(), 1, L"取消", 0), 100u);
  TapWhenWaiting(QzPopupMenu::kFirstItemId + 2, L"取消");
  EXPECT_EQ(menu.QzTrackPopupMenu(wnd.GetHwnd(), 1, L"取消", 0), 0u);
  // The menu is gone afterwards and the owner is in front again.
  EXPECT_EQ(robot.Foreground(), &wnd);
  EXPECT_EQ(robot.PendingModalSteps(), 0u);

  // A finger that slides off an entry chooses nothing.
  QzPopupMenu one;
  one.AppendMenuItem(512, L"邮件", 0);
  // The single entry sits right above the cancel entry at the bottom.
  robot.WhenModalWaits([this] { robot.Drag(240, 800 - 80 - 12 - 40, 240, 300); });
  TapWhenWaiting(QzPopupMenu::kFirstItemId + 1);
  EXPECT_EQ(one.QzTrackPopupMenu(wnd.GetHwnd(), 1, nullptr, 0), 0u);
}

TEST_F(DialogTest, LongMenusKeepTheCancelEntryOnScreen) {
  QzPopupMenu menu;
  for (UINT i = 0; i < 20; ++i) menu.AppendMenuItem(i + 10, L"项", 0);
  robot.WhenModalWaits([this] {
    UiWin* cancel = robot.FindControl(QzPopupMenu::kFirstItemId + 20);
    ASSERT_NE(cancel, nullptr);
    EXPECT_LE(cancel->GetWinRect().bottom, robot.Foreground()->GetHeight());
    EXPECT_EQ(robot.FindControl(QzPopupMenu::kFirstItemId + 19), nullptr);  // did not fit
  });
  TapWhenWaiting(QzPopupMenu::kFirstItemId);
  EXPECT_EQ(menu.QzTrackPopupMenu(wnd.GetHwnd(), 1, L"取消", 0), 10u);
}

// A band of one colour in the window behind the dialogs.
struct Band : UiWin {
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT&) override { FillSolid(hdc, rcWin, RGB(0xFF, 0x00, 0x00)); }
};

TEST_F(DialogTest, DialogsShowTheWindowBehindThemDimmed) {
  Band band;
  band.SetPos(0, 0, 480, 100);
  backdrop.SetVisible(FALSE);
  wnd.AddUiWin(&band);
  for (int style : {1, 2}) {  // the message box, then the menu
    robot.WhenModalWaits([this] {
      robot.Settle();
      EXPECT_TRUE(Near(ScreenPixel(240, 80 + 50), 0x800000, 8)) << std::hex << ScreenPixel(240, 80 + 50);
      EXPECT_TRUE(Near(ScreenPixel(240, 80 + 150), 0x808080, 8)) << std::hex << ScreenPixel(240, 80 + 150);
    });
    if (style == 1) {
      TapWhenWaiting(QZ_MB_CONFIRM_ID);
      EXPECT_EQ(QzMessageBoxV2(wnd.GetHwnd(), L"北京", 1, 0), 1);
    } else {
      QzPopupMenu menu;
      menu.AppendMenuItem(7, L"邮件", 0);
      TapWhenWaiting(QzPopupMenu::kFirstItemId);
      EXPECT_EQ(menu.QzTrackPopupMenu(wnd.GetHwnd(), 1, L"取消", 0), 7u);
    }
  }
}

TEST_F(DialogTest, MessageBoxConfirmCancelAndOk) {
  TapWhenWaiting(QZ_MB_CONFIRM_ID, L"确定", "input_messagebox");
  EXPECT_EQ(QzMessageBoxV2(wnd.GetHwnd(), L"确定清空通话记录？", 2, 0), 1);
  TapWhenWaiting(QZ_MB_CANCEL_ID, L"取消");
  EXPECT_NE(QzMessageBoxV2(wnd.GetHwnd(), L"确定删除联系人？", 2, 0), 1);
  robot.WhenModalWaits([this] { EXPECT_EQ(robot.FindControl(QZ_MB_CANCEL_ID), nullptr); });
  TapWhenWaiting(QZ_MB_CONFIRM_ID);
  EXPECT_EQ(QzMessageBoxV2(wnd.GetHwnd(), L"北京", 1, 0), 1);
  EXPECT_EQ(robot.Foreground(), &wnd);
}

}  // namespace
}  // namespace qzfc::test
