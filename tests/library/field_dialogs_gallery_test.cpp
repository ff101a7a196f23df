// The README's pictures of the group picker (the blacklist chosen, the other
// groups greyed) and of the value dialog (a number typed, its type chosen).
#include "contacts/editor/dialogs/CValueEditWnd.h"
#include "contacts/editor/dialogs/FieldEditKind.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

using vorna::test::GalleryFile;

TEST_F(EditorTest, GalleryGroupPickerWithTheBlacklistChosen) {
  for (const wchar_t* name : {L"家人", L"朋友", L"同事", L"同学"}) db->AddGroup(name);
  CQzWndEx host;
  UiListGroupPicker picker;
  UiToolBarPro toolBar;
  Open(host);
  host.SetWindowText(L"组别");
  picker.SetPos(0, 0, 480, host.GetHeight() - UiToolBarPro::kHeight);
  picker.LoadGroups(false);
  picker.SetGroupChosen(db->GetGroupID(L"朋友"));
  host.AddUiWin(&picker);
  toolBar.SetPos(0, host.GetHeight() - UiToolBarPro::kHeight, 480, UiToolBarPro::kHeight);
  toolBar.SetButton(TOOLBAR_BUTTON_LEFT, TRUE, TRUE, L"返回");
  host.AddUiWin(&toolBar);
  host.Invalidate();
  robot.Settle();
  robot.Tap(240, kScreenTop + 82 * 4 + 41);
  ASSERT_TRUE(picker.IsBlacklistChosen());
  EXPECT_TRUE(robot.SaveScreenshot(GalleryFile("group_picker.png")));
  host.RemoveUiWin(&toolBar);
  host.RemoveUiWin(&picker);
  host.DestroyWindow();
}

TEST_F(EditorTest, GalleryValueDialog) {
  CContactInfo record = StoredContact(L"李", L"安", L"");
  CValueEditWnd dialog(EDIT_KIND_PHONE, 1);
  dialog.SetContactInfo(&record);
  dialog.SetEntryIndex(-1);
  EXPECT_EQ(Run(dialog,
                [&] {
                  robot.Type(L"010-62345678");
                  robot.Tap(96 * 1 + 48, kScreenTop + 34);
                  robot.Advance(300);
                  EXPECT_TRUE(CanSave());
                  EXPECT_TRUE(robot.SaveScreenshot(GalleryFile("value_dialog.png")));
                  Cancel();
                }),
            2);
}

}  // namespace
}  // namespace editor_test
