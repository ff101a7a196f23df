// The date picker as the contact editor runs it for a birthday.
#include <gtest/gtest.h>

#include "input_fixture.h"
#include "qzfc/QzDateTime.h"
#include "qzfc/QzSetDaily.h"

namespace qzfc::test {
namespace {

class DailyTest : public ToolkitTest {
 protected:
  void SetUp() override { Open(wnd); }
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
  RecordingWnd wnd;
};

TEST_F(DailyTest, ConfirmGivesTheChosenDate) {
  QzSetDaily picker;
  Prepare(picker, 1985, 3, 31);
  EXPECT_EQ(picker.GetItemCount(0), 177);
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
