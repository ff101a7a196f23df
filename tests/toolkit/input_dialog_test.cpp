// The modal menu, message box and date picker, driven by the robot while
// they wait.
#include <gtest/gtest.h>

#include "window_fixture.h"
#include "pixels.h"
#include "qzfc/QzDateTime.h"
#include "qzfc/QzMessageBox.h"
#include "qzfc/QzPopupMenu.h"
#include "qzfc/QzSetDaily.h"
#include "qzfc/QzWnd.h"
#include "qzfc/UiList.h"

namespace qzfc::test {
namespace {

class DialogTest : public ControlsTest {
 protected:
  // The window behind the dialogs shows a list, as the windows that open them do.
  void SetUp() override {
    ControlsTest::SetUp();
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
  UiList backdrop;
};

TEST_F(DialogTest, MenuReturnsTheChosenCommandOrZeroOnCancelOrASlideOffAndKeepsCancelOnScreen) {
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
  // Closed from outside, the menu chooses nothing (not the item whose command is 2).
  robot.WhenModalWaits([this] { ::PostMessageW(robot.Foreground()->GetHwnd(), WM_CLOSE, 0, 0); });
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

  // Long menus keep the cancel entry on screen.
  QzPopupMenu many;
  for (UINT i = 0; i < 20; ++i) many.AppendMenuItem(i + 10, L"项", 0);
  robot.WhenModalWaits([this] {
    UiWin* cancel = robot.FindControl(QzPopupMenu::kFirstItemId + 20);
    ASSERT_NE(cancel, nullptr);
    EXPECT_LE(cancel->GetWinRect().bottom, robot.Foreground()->GetHeight());
    EXPECT_EQ(robot.FindControl(QzPopupMenu::kFirstItemId + 19), nullptr);  // did not fit
  });
  TapWhenWaiting(QzPopupMenu::kFirstItemId);
  EXPECT_EQ(many.QzTrackPopupMenu(wnd.GetHwnd(), 1, L"取消", 0), 10u);
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


// The date picker as the contact editor runs it for a birthday.
class DailyTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    backdrop.SetVisible(FALSE);
  }
  // The picker for a date, set up like the birthday editor does.
  void Prepare(QzSetDaily& picker, int year, int month, int day) {
    ASSERT_TRUE(picker.SetColumn(0, 140, L"年", 177, year - 1923));
    ASSERT_TRUE(picker.SetColumn(1, 140, L"月", 12, month - 1));
    ASSERT_TRUE(picker.SetColumn(2, 140, L"日", MaxDaysInMonth(month, year), day - 1));
    picker.EnableYearDisplay(TRUE);
    picker.EnableItemDataChange(TRUE);
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(picker.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, wnd.GetHwnd(), 0, WS_POPUP, 0));
    picker.SetAnimateType_Show(15);
    picker.SetAnimateType_Hide(15);
  }
  // Screen point of control `id` of the picker, `dy` pixels below its middle.
  POINT At(QzSetDaily& picker, int id, int dy = 0) {
    RECT r = picker.GetUiWin(id)->GetWinRect();
    RECT at = picker.GetWindowRect();
    return POINT{at.left + (r.left + r.right) / 2, at.top + (r.top + r.bottom) / 2 + dy};
  }
  void Tap(POINT p) { robot.Tap(p.x, p.y); }
};

TEST_F(DailyTest, ConfirmGivesTheChosenDate) {
  QzSetDaily picker;
  Prepare(picker, 1985, 3, 31);
  robot.WhenModalWaits([&] {
    SaveGalleryShot(robot, "input_date_picker");
    // Drag the year wheel up by two rows: two years later.
    POINT y = At(picker, QzSetDaily::kFirstColumnId);
    robot.Drag(y.x, y.y, y.x, y.y - 2 * 70 - 10, 300, 20);
    // A tap above the month band: one month earlier (February).
    Tap(At(picker, QzSetDaily::kFirstColumnId + 1, -100));
  });
  robot.WhenModalWaits([&] { Tap(At(picker, QZ_DAILY_CONFIRM_ID)); });
  EXPECT_EQ(picker.DoModal(TRUE), 1);
  EXPECT_EQ(picker.GetYear(), 1987);
  EXPECT_EQ(picker.GetMonth(), 2);
  // 31 does not exist in February 1987: the day follows the month.
  EXPECT_EQ(picker.GetItemCount(2), 28);
  EXPECT_EQ(picker.GetDay(), 28);
}

TEST_F(DailyTest, LeapYearsAndBoundsAndCancel) {
  QzSetDaily picker;
  Prepare(picker, 2000, 2, 29);
  EXPECT_EQ(picker.GetItemCount(2), 29);
  robot.WhenModalWaits([&] {
    // Taps below the year band step forward; the day column follows to 2001.
    Tap(At(picker, QzSetDaily::kFirstColumnId, 100));
    EXPECT_EQ(picker.GetItemCount(2), 28);
    // The wheels stop at their ends.
    POINT m = At(picker, QzSetDaily::kFirstColumnId + 1);
    robot.Drag(m.x, m.y, m.x, m.y + 400, 300, 20);
    EXPECT_EQ(picker.GetMonth(), 1);
    // Two quick taps are two steps.
    Tap(At(picker, QzSetDaily::kFirstColumnId + 1, 100));
    Tap(At(picker, QzSetDaily::kFirstColumnId + 1, 100));
    EXPECT_EQ(picker.GetMonth(), 3);
    Tap(At(picker, QZ_DAILY_CANCEL_ID));
  });
  EXPECT_EQ(picker.DoModal(TRUE), 2);
  EXPECT_EQ(picker.GetYear(), 2001);
  EXPECT_EQ(picker.GetItemCount(2), 31);
  EXPECT_FALSE(picker.SetColumn(3, 140, L"", 1, 0));
  EXPECT_FALSE(picker.SetColumn(0, 140, L"", 0, 0));
}

}  // namespace
}  // namespace qzfc::test
