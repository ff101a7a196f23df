// The call log tab in a host window on the headless screen, over a fresh
// store: calls recorded in one line, rows tapped, held and slid the way a
// finger does, and what left the window (the host's messages, the launch
// journal, the store).
#pragma once

#include <string>
#include <vector>

#include "calllog/CCallHistoryWnd.h"
#include "calllog/details/UiListCallInfo.h"
#include "calllog/model/CallTexts.h"
#include "ce/time.h"
#include "ce/wstring.h"
#include "contactdata_helpers.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"
#include "ui_fixture.h"

namespace calllog_test {

using contactdata_test::AddContact;
using vorna::test::kScreenTop;
using vorna::test::Launches;

// Unix seconds of a local time.
inline int LocalTime(int year, int month, int day, int hour = 12, int minute = 0) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(year);
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(day);
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  return static_cast<int>(LocalSystemTimetoUnixTime(t));
}

inline int ThisYear() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wYear;
}

// A call at a time of this year; later calls with a larger `minute`.
inline void AddCall(const wchar_t* number, int type, int value, int minute = 0) {
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->InsertCall(number, LocalTime(ThisYear(), 1, 2, 8) + 60 * minute,
                                                          value, type));
}
inline void AddCallAt(const wchar_t* number, int type, int value, int time) {
  ASSERT_TRUE(CContactsDbIf::GetContactDbIf()->InsertCall(number, time, value, type));
}

inline std::wstring Str(UINT id) { return LoadResString(id).str(); }

// Records what its tab asks of it.
class HostWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"CallLogTestHost"; }
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == CCallHistoryWnd::kTabSwitchMessage) {
      tabs.push_back(static_cast<int>(lParam));
      return 0;
    }
    if (msg == CCallHistoryWnd::kShownMessage) {
      ++shown;
      return 0;
    }
    return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
  }
  std::vector<int> tabs;
  int shown = 0;
};

class CallLogTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override {
    PendingDialNumber.Empty();
    Open(host);
    RECT wa = QzGetWorkArea();
    ASSERT_TRUE(log.Create(0, 0, wa.right - wa.left, wa.bottom - wa.top, host.GetHwnd(), 0, WS_CHILD));
    log.Show(TRUE);
    robot.Settle();
  }
  void TearDown() override {
    log.DestroyWindow();
    host.DestroyWindow();
  }

  // Shows the tab again, as the host does when the user comes back to it.
  void Reshow() {
    log.Show(FALSE);
    log.Show(TRUE);
    robot.Settle();
    robot.Advance(1000);  // the slide, if one was played
  }

  static int RowY(int row) { return kScreenTop + CallHistoryCollection::kRowHeight * row + 41; }
  void Tap(int x, int y) {
    robot.Tap(x, y);
    robot.Advance(300);  // past the double-click time
  }
  void TapRow(int row, int x = 200) {
    Tap(x, RowY(row));
    robot.Advance(1000);  // the slide to the details, if one was played
  }
  // Slides a row open and taps its delete button.
  void SwipeDelete(int row) {
    robot.Press(400, RowY(row));
    robot.MoveTo(320, RowY(row));
    robot.MoveTo(240, RowY(row));
    robot.Release(240, RowY(row));
    Tap(420, RowY(row));
  }
  UiToolBarPro& ToolBar() { return *dynamic_cast<UiToolBarPro*>(robot.FindControl(&log, CCallHistoryWnd::kToolBarId)); }
  UiCustomList& ThreadList() { return *dynamic_cast<UiCustomList*>(robot.FindControl(&log, CCallHistoryWnd::kThreadListId)); }
  std::wstring Button(int index) { return ToolBar().GetButtonText(index); }
  void TapToolBar(int button) {
    TapButton(ToolBar(), button);
    robot.Advance(1000);  // the slide, if one was played
  }
  int Rows() { return log.GetCollection().GetItemCount(); }
  std::wstring Text(int row) { return log.GetCollection().GetItemText(row).str(); }
  std::wstring SubText(int row) { return log.GetCollection().GetItemSubText(row).str(); }
  int Kind(int row) { return log.GetCollection().GetRow(row)->rowKind; }
  UiListCallInfo& Details() { return *log.GetDetailsList(); }
  // The screen y of the middle of a details row.
  int DetailsRowY(int row) { return kScreenTop + Details().CalcItemTopPos(row) + Details().CalcItemHeight(row) / 2; }
  int DetailsRowOf(int kind) {
    for (int row = 0; row < Details().GetItemCount(); ++row)
      if (Details().RowKindAt(row) == kind) return row;
    return -1;
  }

  HostWnd host;
  CCallHistoryWnd log;
};

}  // namespace calllog_test
