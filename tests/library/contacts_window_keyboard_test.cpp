// The contacts book's search when the keyboard is put away with its own key:
// the list takes the room back at once, and gives it up again only as the
// keyboard comes back.
#include "contacts_fixture.h"

namespace contacts_test {
namespace {

constexpr int kFullListHeight = 720 - 134;
constexpr int kShortListHeight = 720 - 434;

TEST_F(ContactsWindowTest, KeyboardPutAwayByItsOwnKeyGivesTheListItsHeightBack) {
  for (int i = 0; i < 20; ++i) AddContact((L"Name" + std::to_wstring(i)).c_str(), {});
  Start();
  qzfc::Sip& sip = qzfc::Sip::Instance();
  auto putAway = [&] {
    const RECT key = sip.KeyRect(L"\u25BC");
    TapAt((key.left + key.right) / 2, (key.top + key.bottom) / 2);
  };
  TapControl(Control<UiButtonEx>(CContactWnd::kCountButtonId));
  ASSERT_TRUE(sip.IsVisible());
  robot.Type(L"name");
  ASSERT_EQ(List().GetHeight(), kShortListHeight);

  putAway();
  EXPECT_FALSE(sip.IsVisible());
  EXPECT_TRUE(wnd.IsKeyboardHidden());
  EXPECT_EQ(List().GetHeight(), kFullListHeight);
  EXPECT_EQ(SearchField().GetText(), std::wstring(L"name")) << "the search goes on";
  EXPECT_EQ(List().GetItemCount(), 20);

  // The keyboard button brings it up with one tap, and the list follows.
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_TRUE(sip.IsVisible());
  EXPECT_FALSE(wnd.IsKeyboardHidden());
  EXPECT_EQ(List().GetHeight(), kShortListHeight);

  // So does a tap on the field.
  putAway();
  EXPECT_EQ(List().GetHeight(), kFullListHeight);
  TapControl(SearchField());
  EXPECT_TRUE(sip.IsVisible());
  EXPECT_EQ(List().GetHeight(), kShortListHeight);
  robot.Type(L"1");
  EXPECT_EQ(SearchField().GetText(), std::wstring(L"name1")) << "typing goes to the field again";
}

}  // namespace
}  // namespace contacts_test
