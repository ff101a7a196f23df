// The contacts book as a tab of a host window over a real store, and
// helpers that touch it the way a finger does and read what it shows.
#pragma once

#include <string>
#include <vector>

#include "ce/wstring.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "contactdata_helpers.h"
#include "contacts/details/UiListContactInfo.h"
#include "contacts/list/ContactListCollection.h"
#include "contacts/window/CContactWnd.h"
#include "core/launch/Launchers.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/Sip.h"
#include "ui_fixture.h"

namespace contacts_test {

using contactdata_test::AddContact;
using vorna::test::Dialled;
using vorna::test::kScreenTop;
using vorna::test::Launched;
using vorna::test::Messages;

// Records the tabs its tab asks for and hands typed characters on to it,
// as the phone host does.
class HostWnd : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"ContactsTestHost"; }
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == CContactWnd::kTabSwitchMessage) {
      tabs.push_back(static_cast<int>(lParam));
      return 0;
    }
    if (msg == WM_CHAR && tab) return tab->Dispatch(msg, wParam, lParam);
    return CQzWndEx::QzDefWndProc(msg, wParam, lParam);
  }
  std::vector<int> tabs;
  CQzWnd* tab = nullptr;
};

class ContactsWindowTest : public vorna::test::LibraryUiTest {
 protected:
  void TearDown() override {
    qzfc::MessageLoop::Get().ClearQuit();
    if (wnd.GetHwnd()) wnd.DestroyWindow();
    if (host.GetHwnd()) host.DestroyWindow();
  }
  // Opens the window over what the store holds now.
  void Start() {
    PendingDialNumber.Empty();
    Open(host);
    const RECT wa = QzGetWorkArea();
    ASSERT_TRUE(wnd.Create(0, 0, wa.right - wa.left, wa.bottom - wa.top, host.GetHwnd(), 0, WS_CHILD));
    host.tab = &wnd;
    wnd.Show(TRUE);
    robot.Settle();
  }
  static CContactsDbIf& Db() { return *CContactsDbIf::GetContactDbIf(); }

  template <typename T>
  T& Control(int id) {
    T* control = dynamic_cast<T*>(robot.FindControl(&wnd, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return *control;
  }
  UiCustomList& List() { return Control<UiCustomList>(CContactWnd::kListId); }
  UiToolBarPro& ToolBar() { return Control<UiToolBarPro>(CContactWnd::kToolBarId); }
  UiSingleLineEdit& SearchField() { return Control<UiSingleLineEdit>(CContactWnd::kSearchFieldId); }
  UiAlphabetBar& AlphabetBar() { return Control<UiAlphabetBar>(CContactWnd::kAlphabetBarId); }
  std::wstring CountText() { return Control<UiButtonEx>(CContactWnd::kCountButtonId).GetText(); }
  UiListContactInfo& Details() { return *wnd.GetContactInfoList(); }
  std::wstring Title() { return wnd.GetWindowText(); }

  void TapAt(int x, int y) {
    robot.Tap(x, y);
    robot.Advance(400);  // past the double-click time
  }
  void TapControl(const UiWin& control) {
    const RECT rc = control.GetWinRect();
    TapAt((rc.left + rc.right) / 2, kScreenTop + (rc.top + rc.bottom) / 2);
  }
  void TapToolBar(int button) { TapButton(ToolBar(), button); }
  // Screen y of the middle of a row of a list as it shows it now.
  int RowMiddle(UiList& list, int row) {
    return kScreenTop + list.GetTop() + list.CalcItemTopPos(row) + list.CalcItemHeight(row) / 2;
  }
  void TapRow(int row, int x = 200) { TapAt(x, RowMiddle(List(), row)); }
  void HoldRow(UiList& list, int row, int x = 200) {
    const int y = RowMiddle(list, row);
    robot.Hold(x, y, 600);
    robot.Release(x, y);
    robot.Advance(400);
  }
  void TapDetailsRow(int row, int x = 200) { TapAt(x, RowMiddle(Details(), row)); }
  // The row of the main list showing this name, or -1.
  int RowOf(const std::wstring& name) {
    for (int i = 0; i < List().GetItemCount(); ++i)
      if (wnd.GetListModel().GetItemText(i).str() == name) return i;
    return -1;
  }

  HostWnd host;
  CContactWnd wnd;
};

}  // namespace contacts_test
