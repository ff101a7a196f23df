// The contact editor and its field dialogs on the headless screen against a
// real store: helpers that tap rows, fields and tool bars the way a finger
// does, answer the dialogs, and read back what reached the store.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "contactdata_helpers.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/editor/UiListContactEdit.h"
#include "core/popup/Clipboard.h"
#include "platform/PimContract.h"
#include "ui_fixture.h"

namespace editor_test {

using contactdata_test::ContactCount;
using contactdata_test::Stored;
using vorna::test::kScreenTop;

// A stored contact: Ann Lee of Acme unless named otherwise, with the values given.
struct ContactSeed {
  const wchar_t* last = L"Lee";
  const wchar_t* first = L"Ann";
  const wchar_t* company = L"Acme";
  std::vector<std::pair<const wchar_t*, int>> numbers{};  // number, primary mark
  std::vector<const wchar_t*> emails{};
  std::vector<st_address_Info> addresses{};
  const wchar_t* birthday = L"";
  const wchar_t* note = L"";
};

inline int StoreContact(const ContactSeed& seed) {
  CContactInfo record;
  record.UpdateNameInfo(seed.last, seed.first, seed.company);
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

// A stored contact of that name, read back from the store as the editor holds it.
inline CContactInfo StoredContact(const wchar_t* last, const wchar_t* first, const wchar_t* company) {
  return Stored(StoreContact({.last = last, .first = first, .company = company}));
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
  void TapControl(int id) { TapIn(robot.FindControl(id)->GetWinRect()); }
  // The foreground window's tool bar (id 1 in the editor and every dialog).
  UiToolBarPro& ToolBar() { return *robot.Find<UiToolBarPro>(1); }
  void TapToolBar(int button) { TapButton(ToolBar(), button); }
  bool CanSave() { return ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT); }
  void Save() { TapToolBar(TOOLBAR_BUTTON_RIGHT); }
  void Cancel() { TapToolBar(TOOLBAR_BUTTON_LEFT); }
  // Queues a step for the next modal window.
  void WhenOpen(std::function<void()> step) { robot.WhenModalWaits(std::move(step)); }

  // Creates a dialog over the work area, runs it with `user` acting when it
  // waits, and destroys it; the dialog's result (0 when it did not open).
  int Run(CQzWndEx& dialog, const std::function<void()>& user) {
    RECT wa = QzGetWorkArea();
    if (!dialog.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP)) return 0;
    robot.WhenModalWaits(user);
    int result = dialog.DoModal(FALSE);
    dialog.DestroyWindow();
    return result;
  }
  // Runs a field dialog of that type on the record.
  template <typename Dialog>
  int RunOn(CContactInfo& record, const std::function<void()>& user) {
    Dialog dialog;
    dialog.SetContactInfo(&record);
    return Run(dialog, user);
  }
  UiSingleLineEdit& Field(int id) { return *robot.Find<UiSingleLineEdit>(id); }
  std::wstring Text(int id) { return Field(id).GetText(); }
  // Gives a field of the foreground window the focus and replaces its text
  // by typing; Fill then puts the keyboard away.
  void Retype(int id, const std::wstring& text) {
    TapControl(id);
    robot.Char(27);
    robot.Type(text);
  }
  void Fill(int id, const std::wstring& text) {
    Retype(id, text);
    HideKeyboard();
  }
  // Gives the field the focus and pastes the text at its end.
  void Paste(int id, const std::wstring& text) {
    ASSERT_TRUE(CopyTextToClipboard(text.c_str()));
    TapControl(id);
    Field(id).SetCursePos(-1);
    robot.Char(22);
  }

  CContactsDbIf* const db = CContactsDbIf::GetContactDbIf();
  CContactEditWnd editor;
};

}  // namespace editor_test
