// The contact editor on the headless screen against a real store: helpers
// that tap its rows, zones and tool bar the way a finger does, answer the
// dialogs it opens, and read back what reached the store.
#pragma once

#include <string>
#include <vector>

#include "contactdata_helpers.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/editor/UiListContactEdit.h"
#include "platform/PimContract.h"
#include "ui_fixture.h"

namespace editor_test {

using vorna::test::kScreenTop;

// A stored contact: Ann Lee of Acme with the values given.
struct ContactSeed {
  std::vector<std::pair<const wchar_t*, int>> numbers{};  // number, primary mark
  std::vector<const wchar_t*> emails{};
  std::vector<st_address_Info> addresses{};
  const wchar_t* birthday = L"";
  const wchar_t* note = L"";
};

inline int StoreContact(const ContactSeed& seed) {
  CContactInfo record;
  record.UpdateNameInfo(L"Lee", L"Ann", L"Acme");
  for (const auto& [number, primary] : seed.numbers) record.AddPhoneNumber(0, number, 0, primary);
  for (const wchar_t* email : seed.emails) record.AddEmail(0, email, 0);
  for (const st_address_Info& a : seed.addresses)
    record.AddAddress(0, a.city, a.country, a.postcode, a.province, a.street, a.type);
  record.UpdateBirthday(seed.birthday);
  record.UpdateRemark(seed.note);
  int id = CContactsDbIf::GetContactDbIf()->AddContact(record);
  EXPECT_GT(id, 0);
  return id;
}

inline CContactInfo Stored(int id) {
  CContactInfo record;
  EXPECT_TRUE(CContactsDbIf::GetContactDbIf()->GetContactInfo(id, record, false)) << "contact " << id;
  return record;
}

inline st_address_Info Address(const wchar_t* country, const wchar_t* city, const wchar_t* street,
                               const wchar_t* postcode, int type = 0) {
  st_address_Info a;
  a.country = country;
  a.city = city;
  a.street = street;
  a.postcode = postcode;
  a.type = type;
  return a;
}

class EditorTest : public vorna::test::LibraryUiTest {
 protected:
  void TearDown() override {
    EXPECT_EQ(robot.PendingModalSteps(), 0u) << "a window the test waited for never opened";
    if (editor.GetHwnd()) editor.DestroyWindow();
  }

  void OpenEditor(int mode, int contactId = 0) {
    editor.SetMode(mode);
    editor.SetContactId(contactId);
    Open(editor);
  }

  UiListContactEdit& List() { return *editor.GetFieldList(); }
  // The first row of a kind (and entry index), or -1.
  int Row(int kind, int index = 0) {
    for (int row = 0; row < List().GetItemCount(); ++row)
      if (List().GetRowKind(row) == kind && List().GetRowIndex(row) == index) return row;
    return -1;
  }
  std::vector<int> RowKinds() {
    std::vector<int> kinds;
    for (int row = 0; row < List().GetItemCount(); ++row) kinds.push_back(List().GetRowKind(row));
    return kinds;
  }
  // Taps a row at x, scrolled into view first as a finger would; the pause
  // keeps the next tap from being a double-click.
  void TapRow(int row, int x) {
    List().ScrollTo(LIST_SCROLL_SHOW_ITEM, row, FALSE);
    RECT rc = List().GetItemRect(row);
    robot.Tap(x, kScreenTop + (rc.top + rc.bottom) / 2);
    robot.Advance(300);
  }
  // Taps the middle of a rectangle of the foreground window.
  void TapAt(RECT rc) {
    RECT at = robot.Foreground()->GetWindowRect();
    robot.Tap(at.left + (rc.left + rc.right) / 2, at.top + (rc.top + rc.bottom) / 2);
    robot.Advance(300);
  }
  void TapControl(int id) { TapAt(robot.FindControl(id)->GetWinRect()); }
  // A button of the foreground window's tool bar (id 1 in every editor window).
  // The soft keyboard covers the bar: it is put away first, as a finger would.
  void TapToolBar(int button) {
    HideKeyboard();
    TapAt(robot.Find<UiToolBarPro>(1)->GetButtonRect(button));
  }
  UiToolBarPro& ToolBar() { return *robot.Find<UiToolBarPro>(1); }
  // Queues a step for the next modal window.
  void WhenOpen(std::function<void()> step) { robot.WhenModalWaits(std::move(step)); }
  // Types into a field of the foreground window: tap it, clear it, type.
  void Fill(int fieldId, const std::wstring& text) {
    TapControl(fieldId);
    robot.Char(27);
    robot.Type(text);
    HideKeyboard();
  }

  CContactEditWnd editor;
};

}  // namespace editor_test
