// The editor's field dialogs run modally on the headless screen over a
// contact of a real store, driven by taps and typing, and helpers that read
// the contact back from the store.
#pragma once

#include <functional>
#include <string>

#include "contactdata_helpers.h"
#include "contacts/editor/dialogs/FieldDialogFrame.h"
#include "core/popup/Clipboard.h"
#include "platform/PimContract.h"
#include "ui_fixture.h"

namespace editor_dialogs_test {

using vorna::test::kScreenTop;

class EditorDialogsTest : public vorna::test::LibraryUiTest {
 protected:
  void SetUp() override {
    db = CContactsDbIf::GetContactDbIf();
    ASSERT_NE(db, nullptr);
  }

  // A stored contact, read back from the store as the editor would hold it.
  CContactInfo StoredContact(const wchar_t* last, const wchar_t* first, const wchar_t* company) {
    CContactInfo record;
    record.UpdateNameInfo(last, first, company);
    int id = db->AddContact(record);
    EXPECT_GT(id, 0);
    return Stored(id);
  }
  CContactInfo Stored(int id) {
    CContactInfo record;
    EXPECT_TRUE(db->GetContactInfo(id, record, true)) << "contact " << id << " is in the store";
    return record;
  }
  int ContactCount() {
    int id = 0, type = 0, count = 0;
    wchar_t letter = 0;
    qzu::string name, detail;
    for (bool first = true; db->GetContactslist(id, name, detail, type, letter, first); first = false) ++count;
    return count;
  }

  // Creates the dialog over the work area, runs it with `user` acting when
  // it waits, and destroys it; the dialog's result (0 when it did not open).
  int Run(CQzWndEx& dialog, const std::function<void()>& user) {
    RECT wa = QzGetWorkArea();
    if (!dialog.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP)) return 0;
    robot.WhenModalWaits(user);
    int result = dialog.DoModal(FALSE);
    dialog.DestroyWindow();
    return result;
  }

  void TapAt(const RECT& rc) {
    robot.Tap((rc.left + rc.right) / 2, kScreenTop + (rc.top + rc.bottom) / 2);
    robot.Advance(300);  // past the double-click time
  }
  UiToolBarPro& ToolBar() { return *robot.Find<UiToolBarPro>(field_dialog::kToolBarId); }
  bool CanSave() { return ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT); }
  // The keyboard covers the tool bar: a finger puts it away first.
  void TapToolBar(int button) {
    HideKeyboard();
    TapAt(ToolBar().GetButtonRect(button));
  }
  void Save() { TapToolBar(TOOLBAR_BUTTON_RIGHT); }
  void Cancel() { TapToolBar(TOOLBAR_BUTTON_LEFT); }
  UiSingleLineEdit& Field(int id) { return *robot.Find<UiSingleLineEdit>(id); }
  std::wstring Text(int id) { return Field(id).GetText(); }
  // Gives the field the focus and replaces its text by typing.
  void Retype(int id, const std::wstring& text) {
    TapAt(Field(id).GetWinRect());
    robot.Char(27);
    robot.Type(text);
  }
  // Gives the field the focus and pastes the text at its end.
  void Paste(int id, const std::wstring& text) {
    ASSERT_TRUE(CopyTextToClipboard(text.c_str()));
    TapAt(Field(id).GetWinRect());
    Field(id).SetCursePos(-1);
    robot.Char(22);
  }

  CContactsDbIf* db = nullptr;
};

}  // namespace editor_dialogs_test
