// The editor's pickers: the photo menu over the camera and picture
// components, the ring tone picker, and group editing with the group picker,
// each checked in the record, on screen and in the store.
#include "PicturePickerWnd.h"
#include "RingTonePickerWnd.h"
#include "SampleMedia.h"
#include "contactdata/quick/QuickContact.h"
#include "contacts/editor/PhotoMenu.h"
#include "contacts/groups/UiListGroupPicker.h"
#include "editor_fixture.h"
#include "mediapickers/PhotoSource.h"
#include "mediapickers/RingTonePicker.h"

namespace editor_test {
namespace {

constexpr int kPhotoX = 100, kValueX = 200;
constexpr int kBackX = 60, kConfirmX = 420, kBarY = 765;

class EditorMediaTest : public EditorTest {
 protected:
  // COM is started by the host program on its thread; here by the test.
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    vorna::device::InstallSampleMedia();
    RegisterPhotoSources();
    RegisterRingTonePicker();
  }
  void TearDown() override {
    UnregisterPhotoSources();
    UnregisterRingTonePicker();
    EditorTest::TearDown();
    CoUninitialize();
  }
  // Chooses a photo menu entry once the menu is up.
  void ChooseInMenu(int entry) {
    WhenOpen([this, entry] { TapControl(QzPopupMenu::kFirstItemId + entry); });
  }
  void ChooseRingTone(const wchar_t* cePath) {
    WhenOpen([this, cePath] {
      auto* screen = dynamic_cast<mediapickers::RingTonePickerWnd*>(robot.Foreground());
      ASSERT_NE(screen, nullptr);
      RECT rc = screen->List().GetItemRect(screen->Choices().Find(cePath));
      robot.Tap(kValueX, kScreenTop + (rc.top + rc.bottom) / 2);
      robot.Advance(300);
      robot.Tap(kConfirmX, kBarY);
    });
  }
};

TEST_F(EditorMediaTest, PictureFromThePickerIsStoredAtOnceAndDeletedThroughTheMenu) {
  int id = StoreContact({});
  OpenEditor(EDIT_MODE_EDIT, id);
  ChooseInMenu(1);  // "选取现有照片"
  WhenOpen([&] {
    auto* picker = dynamic_cast<mediapickers::PicturePickerWnd*>(robot.Foreground());
    ASSERT_NE(picker, nullptr);
    POINT centre = picker->Grid().CellCentre(0);
    robot.Tap(centre.x, kScreenTop + centre.y);
  });
  TapRow(0, kPhotoX);
  ASSERT_GT(editor.GetContactInfo().photoLength, 0);
  CContactInfo stored = Stored(id);
  ASSERT_EQ(stored.photoLength, editor.GetContactInfo().photoLength);
  EXPECT_EQ(stored.photoData[0], 0xFF) << "JPEG bytes";
  ASSERT_TRUE(robot.SaveScreenshot(vorna::test::GalleryFile("editor_photo.png")));

  WhenOpen([&] {
    EXPECT_STREQ(robot.FindControl(QzPopupMenu::kFirstItemId + 2)->GetText(), L"删除");
    TapControl(QzPopupMenu::kFirstItemId + 2);
  });
  TapRow(0, kPhotoX);
  EXPECT_EQ(editor.GetContactInfo().photoLength, 0);
  EXPECT_EQ(Stored(id).photoLength, 0);
}

TEST_F(EditorMediaTest, ComponentsThatCannotBeCreatedChangeNothing) {
  UnregisterPhotoSources();
  UnregisterRingTonePicker();
  int id = StoreContact({});
  OpenEditor(EDIT_MODE_EDIT, id);
  const int changes = CContactsDbIf::GetContactDbIf()->GetDbChangeCount();
  ChooseInMenu(0);  // "拍照"
  TapRow(0, kPhotoX);
  ChooseInMenu(1);
  TapRow(0, kPhotoX);
  TapRow(Row(EDIT_ROW_RING), kValueX);
  EXPECT_EQ(robot.Foreground(), &editor);
  EXPECT_EQ(editor.GetContactInfo().photoLength, 0);
  EXPECT_TRUE(editor.GetContactInfo().ringPath.empty());
  EXPECT_EQ(CContactsDbIf::GetContactDbIf()->GetDbChangeCount(), changes);
}

TEST_F(EditorMediaTest, RingToneChosenTwiceIsWrittenOnce) {
  int id = StoreContact({});
  OpenEditor(EDIT_MODE_EDIT, id);
  ChooseRingTone(L"\\Windows\\Rings\\Chime.wav");
  TapRow(Row(EDIT_ROW_RING), kValueX);
  EXPECT_STREQ(Stored(id).ringPath.c_str(), L"\\Windows\\Rings\\Chime.wav");
  EXPECT_STREQ(List().GetItem(Row(EDIT_ROW_RING))->text.c_str(), L"Chime");
  const int changes = CContactsDbIf::GetContactDbIf()->GetDbChangeCount();
  ChooseRingTone(L"\\Windows\\Rings\\Chime.wav");
  TapRow(Row(EDIT_ROW_RING), kValueX);
  EXPECT_EQ(CContactsDbIf::GetContactDbIf()->GetDbChangeCount(), changes) << "the same tone writes nothing";

  WhenOpen([&] { robot.Tap(kBackX, kBarY); });
  TapRow(Row(EDIT_ROW_RING), kValueX);
  EXPECT_STREQ(Stored(id).ringPath.c_str(), L"\\Windows\\Rings\\Chime.wav") << "back keeps the tone";
}

class EditorGroupsTest : public EditorTest {
 protected:
  // Taps the picker's row that shows `text`.
  void TapGroup(const wchar_t* text) {
    auto* picker = robot.Find<UiListGroupPicker>(CContactEditWnd::kGroupPickerId);
    ASSERT_NE(picker, nullptr);
    for (int row = 0; row < picker->GetItemCount(); ++row)
      if (picker->GetItem(row)->text == text) {
        RECT rc = picker->GetItemRect(row);
        robot.Tap(kValueX, kScreenTop + (rc.top + rc.bottom) / 2);
        robot.Advance(300);
        return;
      }
    ADD_FAILURE() << "no such group row";
  }
};

TEST_F(EditorGroupsTest, NewContactShowsGroupNamesAndIsStoredUnderTheStoredNames) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  const int friends = db->AddGroup(L"朋友");
  OpenEditor(EDIT_MODE_NEW);
  editor.GetContactInfo().UpdateNameInfo(L"", L"Di", L"");
  TapRow(Row(EDIT_ROW_GROUPS), kValueX);
  ASSERT_TRUE(editor.IsGroupEditing());
  EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_RIGHT));
  TapGroup(L"朋友");
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_FALSE(editor.IsGroupEditing());
  EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_LEFT), L"返回") << "not 取消 after the groups";
  EXPECT_TRUE(ToolBar().IsButtonEnabled(TOOLBAR_BUTTON_RIGHT));
  EXPECT_EQ(db->GetGroupContactsCount(friends), 0) << "a new contact waits for the save";

  TapRow(Row(EDIT_ROW_GROUPS), kValueX);
  TapGroup(L"黑名单");
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_EQ(editor.GetContactInfo().categories.size(), 1);
  EXPECT_STREQ(editor.GetContactInfo().categories[0].c_str(), L"黑名单") << "shown by its display name";
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  ASSERT_GT(editor.GetContactId(), 0);
  EXPECT_TRUE(db->IsContactInBlacklist(editor.GetContactId()));
  EXPECT_FALSE(db->IsContactInGroup(editor.GetContactId(), friends)) << "the blacklist excludes other groups";
  EXPECT_STREQ(Stored(editor.GetContactId()).categories[0].c_str(), L"_$!<Blacklist>!$_");
}

TEST_F(EditorGroupsTest, StoredContactsGroupsChangeAtOnce) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  const int friends = db->AddGroup(L"朋友");
  const int family = db->AddGroup(L"家人");
  int id = StoreContact({});
  CContactInfo record = Stored(id);
  db->UpdateCategories(record, {friends});
  OpenEditor(EDIT_MODE_EDIT, id);
  TapRow(Row(EDIT_ROW_GROUPS), kValueX);
  EXPECT_FALSE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_MIDDLE));
  TapGroup(L"家人");
  TapGroup(L"朋友");
  TapToolBar(TOOLBAR_BUTTON_LEFT);
  EXPECT_TRUE(db->IsContactInGroup(id, family));
  EXPECT_FALSE(db->IsContactInGroup(id, friends));
  EXPECT_STREQ(ToolBar().GetButtonText(TOOLBAR_BUTTON_RIGHT), L"完成");
  EXPECT_TRUE(ToolBar().IsButtonVisible(TOOLBAR_BUTTON_MIDDLE));
}

}  // namespace
}  // namespace editor_test
