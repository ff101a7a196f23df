// Adding a number or an address to a contact the user picks: the picker,
// then the editor showing the contact with the value, then save or cancel.
#include "contactdata/quick/QuickContact.h"
#include "contacts/editor/ContactEditWnd.h"
#include "picker_fixture.h"

namespace picker_test {
namespace {

using contactdata_test::Stored;

class QuickAddItemTest : public PickerTest {
 protected:
  // Picks list row `row`, then answers the editor with a tool bar button
  // after checking what it shows.
  void PickThenEditor(int row, int button, const std::function<void(CContactInfo&)>& check = nullptr) {
    robot.WhenModalWaits([this, row] { TapRow(row); });
    robot.WhenModalWaits([this, button, check] {
      auto* editor = dynamic_cast<CContactEditWnd*>(robot.Foreground());
      ASSERT_NE(editor, nullptr);
      EXPECT_EQ(editor->GetMode(), EDIT_MODE_ADD_ITEM);
      if (check) check(editor->GetContactInfo());
      TapEditorButton(button);
    });
  }
  void TapEditorButton(int button) { TapButton(*robot.Find<UiToolBarPro>(CContactEditWnd::kToolBarId), button); }
};

TEST_F(QuickAddItemTest, SavingStoresTheValueAndTheFirstNumberBecomesPrimary) {
  const int ann = AddContact(L"Ann", {{L"13800000001", 0}});
  const int bo = AddContact(L"Bo", {});
  PickThenEditor(0, TOOLBAR_BUTTON_RIGHT, [](CContactInfo& shown) {
    ASSERT_EQ(shown.phoneNumbers.size(), 2);
    EXPECT_STREQ(shown.phoneNumbers[1].value.c_str(), L"010-5550002");
  });
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_PHONE, L"010-5550002"), ann);
  CContactInfo stored = Stored(ann);
  ASSERT_EQ(stored.phoneNumbers.size(), 2);
  EXPECT_EQ(stored.phoneNumbers[0].primary, 1) << "Ann keeps her primary number";
  EXPECT_EQ(stored.phoneNumbers[1].primary, 0);
  EXPECT_EQ(stored.phoneNumbers[1].type, 0);

  PickThenEditor(1, TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_PHONE, L"13900000002"), bo);
  ASSERT_EQ(Stored(bo).phoneNumbers.size(), 1);
  EXPECT_EQ(Stored(bo).phoneNumbers[0].primary, 1) << "Bo had none";

  PickThenEditor(1, TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_EMAIL, L"bo@example.com"), bo);
  ASSERT_EQ(Stored(bo).emails.size(), 1);
  EXPECT_STREQ(Stored(bo).emails[0].value.c_str(), L"bo@example.com");
}

TEST_F(QuickAddItemTest, CancellingTheEditorStillGivesTheContactButStoresNothing) {
  const int ann = AddContact(L"Ann", {{L"13800000001", 0}});
  PickThenEditor(0, TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_PHONE, L"010-5550002"), ann);
  EXPECT_EQ(Stored(ann).phoneNumbers.size(), 1);

  robot.WhenModalWaits([this] { TapToolBar(TOOLBAR_BUTTON_LEFT); });
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_PHONE, L"010-5550002"), 0) << "no contact picked";

  // Nothing to add: the editor still confirms, and nothing is stored.
  PickThenEditor(0, TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_PHONE, nullptr), ann);
  EXPECT_EQ(Stored(ann).phoneNumbers.size(), 1);

  // Deleted by another program while the picker shows: nothing is stored
  // and no contact is reported.
  robot.WhenModalWaits([this, ann] {
    CContactsDbIf::GetContactDbIf()->RemoveContact(ann);
    TapRow(0);
  });
  robot.WhenModalWaits([this] {
    TapEditorButton(TOOLBAR_BUTTON_RIGHT);  // save, if the emptied record allowed it
    if (dynamic_cast<CContactEditWnd*>(robot.Foreground())) TapEditorButton(TOOLBAR_BUTTON_LEFT);
  });
  EXPECT_EQ(FastAddItem2Contact(nullptr, EDIT_KIND_PHONE, L"010-5550002"), 0);
  EXPECT_EQ(CContactsDbIf::GetContactDbIf()->SearchPN(L"010-5550002", nullptr, nullptr, nullptr, nullptr, nullptr,
                                                      nullptr),
            0);
}

}  // namespace
}  // namespace picker_test
