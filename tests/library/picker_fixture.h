// The value picker run modally over the work area, as the quick operations
// and other programs run it, with helpers that tap its rows and buttons the
// way a finger does.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "contactdata_helpers.h"
#include "contacts/picker/CContactValueSelectWnd.h"
#include "platform/PimContract.h"
#include "ui_fixture.h"

namespace picker_test {

using contactdata_test::AddContact;
using vorna::test::kScreenTop;

class PickerTest : public vorna::test::LibraryUiTest {
 protected:
  // Runs the picker; `steps` act while it waits for input and must end it.
  int Run(CONTACT_VALUE_SELECT_TYPE type, const std::function<void()>& steps, int preselected = 0) {
    picker.SetSelectType(type);
    if (preselected) picker.SetInitSelectedContact(preselected);
    RECT wa = QzGetWorkArea();
    EXPECT_TRUE(picker.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP));
    robot.WhenModalWaits(steps);
    const int result = picker.DoModal(TRUE);
    picker.DestroyWindow();
    return result;
  }

  UiCustomList& List() const { return *robot.Find<UiCustomList>(CContactValueSelectWnd::kListId); }
  UiToolBarPro& ToolBar() const { return *robot.Find<UiToolBarPro>(CContactValueSelectWnd::kToolBarId); }
  UiAlphabetBar& AlphabetBar() const { return *robot.Find<UiAlphabetBar>(CContactValueSelectWnd::kAlphabetBarId); }
  IItemCollection& Rows() const { return *List().GetCustomItemCollection(); }

  // A tap on a row's text, or on its check box.
  void TapRow(int row) { TapRowAt(row, 240); }
  void TickRow(int row) { TapRowAt(row, 40); }
  void TapRowAt(int row, int x) {
    RECT rc = List().GetItemRect(row);
    robot.Tap(x, kScreenTop + (rc.top + rc.bottom) / 2);
    robot.Advance(300);  // past the double-tap time
  }
  void TapToolBar(int button) { TapButton(ToolBar(), button); }
  // The rows a user can see: the texts of every row with a height.
  std::vector<std::wstring> VisibleRows() const {
    std::vector<std::wstring> out;
    for (int i = 0; i < Rows().GetItemCount(); ++i)
      if (List().CalcItemHeight(i) > 0) out.push_back(std::wstring(Rows().GetItemText(i)));
    return out;
  }
  std::vector<std::wstring> Chosen() const {
    qzu::array<ContactValueInfo> items;
    EXPECT_TRUE(picker.GetSelectedItems(items));
    std::vector<std::wstring> out;
    for (const ContactValueInfo& item : items) out.push_back(std::wstring(item.name.view()) + L" " + item.value.c_str());
    return out;
  }

  CContactValueSelectWnd picker;
};

}  // namespace picker_test
