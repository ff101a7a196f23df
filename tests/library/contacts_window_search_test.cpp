// The contacts book's search, count and letter index: a reload on every
// change of the text but not on Enter, the keyboard and the list height, the
// task-bar tap, and the alphabet bar over a real list.
#include "contacts_fixture.h"

namespace contacts_test {
namespace {

constexpr int kFullListHeight = 720 - 134;
constexpr int kShortListHeight = 720 - 434;

TEST_F(ContactsWindowTest, SearchReloadsOnEveryChangeButNotOnEnter) {
  AddContact(L"张三", {{L"13800138000", 0}});
  AddContact(L"李四", {{L"13900139000", 0}});
  AddContact(L"张三丰", {{L"13700137000", 0}});
  Start();
  TapControl(Control<UiButtonEx>(CContactWnd::kCountButtonId));
  EXPECT_EQ(List().GetItemCount(), 3) << "an empty key lists everyone";
  EXPECT_EQ(List().GetHeight(), kShortListHeight);
  robot.Type(L"zs");
  EXPECT_EQ(SearchField().GetText(), std::wstring(L"zs"));
  EXPECT_EQ(List().GetItemCount(), 2) << "pinyin initials";
  EXPECT_EQ(wnd.GetListModel().searchKey.str(), L"zs");

  // Enter changes nothing and reads nothing: a contact added meanwhile
  // appears only with the next change of the text.
  AddContact(L"周杰", {});
  robot.Type(L"\r");
  EXPECT_EQ(List().GetItemCount(), 2);
  robot.Type(L"\b");
  EXPECT_EQ(List().GetItemCount(), 3) << "\"z\"";
  robot.Type(L"s");
  EXPECT_EQ(List().GetItemCount(), 2);
  robot.Type(L"\x1b");  // escape empties the field
  EXPECT_EQ(List().GetItemCount(), 4);
  robot.Type(L"139");
  ASSERT_EQ(List().GetItemCount(), 1) << "digits of a number";
  EXPECT_EQ(wnd.GetListModel().GetItemText(0).str(), L"李四");
}

TEST_F(ContactsWindowTest, KeyboardToggleAndTaskBarTapSetTheListHeight) {
  for (int i = 0; i < 20; ++i) AddContact((L"Name" + std::to_wstring(i)).c_str(), {});
  Start();
  TapControl(Control<UiButtonEx>(CContactWnd::kCountButtonId));
  ASSERT_TRUE(qzfc::Sip::Instance().IsVisible());
  EXPECT_FALSE(AlphabetBar().IsVisible());
  // The first task-bar tap only drops the keyboard and gives the list its height back.
  List().SetTopPos(-100);
  robot.TapShellBar();
  EXPECT_FALSE(qzfc::Sip::Instance().IsVisible());
  EXPECT_TRUE(wnd.IsKeyboardHidden());
  EXPECT_EQ(List().GetHeight(), kFullListHeight);
  List().SetTopPos(-300);
  robot.TapShellBar();
  robot.Advance(1000);
  EXPECT_EQ(List().GetTopPos(), 0) << "the second scrolls to the top";

  // The keyboard button: up, then down again.
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_TRUE(qzfc::Sip::Instance().IsVisible());
  EXPECT_FALSE(wnd.IsKeyboardHidden());
  EXPECT_EQ(List().GetHeight(), kShortListHeight);
  robot.TapShellBar();
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(List().GetHeight(), kShortListHeight);
  // A tap on the field brings the keyboard up by itself: the list follows.
  robot.TapShellBar();
  TapControl(SearchField());
  EXPECT_TRUE(qzfc::Sip::Instance().IsVisible());
  EXPECT_EQ(List().GetHeight(), kShortListHeight);
  EXPECT_FALSE(wnd.IsKeyboardHidden());
}

TEST_F(ContactsWindowTest, CountTextsInContactAndGroupModes) {
  Start();
  EXPECT_EQ(CountText(), L"0 联系人");
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  // The ungrouped row and the blacklist, which every store has.
  EXPECT_EQ(CountText(), L"2 组别");
  EXPECT_EQ(wnd.GetListModel().GetItemText(0).str(), L"未分组");
  EXPECT_EQ(wnd.GetListModel().GetItemSubText(0).str(), L"0位联系人");
  TapToolBar(TOOLBAR_BUTTON_RIGHT);
  EXPECT_EQ(CountText(), L"0 联系人");
}

TEST_F(ContactsWindowTest, AlphabetBarJumpsToTheFirstRowOfALetter) {
  for (int i = 0; i < 20; ++i) AddContact((L"Adam" + std::to_wstring(10 + i)).c_str(), {});
  for (int i = 0; i < 20; ++i) AddContact((L"Carl" + std::to_wstring(10 + i)).c_str(), {});
  Start();
  ASSERT_EQ(List().GetItemCount(), 40);
  ASSERT_EQ(List().GetHeight(), 586);
  ASSERT_TRUE(AlphabetBar().IsVisible());
  EXPECT_TRUE(List().IsScrollBarVEnabled());
  const AlphabetIndex& map = wnd.GetAlphabetMap();
  EXPECT_EQ(map.Entry(0), 0);
  EXPECT_EQ(map.Entry(1), -1640);
  EXPECT_EQ(map.Entry(2), -1640);
  EXPECT_EQ(map.Entry(25), -(40 * 82 - 586));

  // A finger on "C" of the bar.
  const RECT bar = AlphabetBar().GetWinRect();
  const int letterHeight = (bar.bottom - bar.top) / 26;
  TapAt(455, kScreenTop + bar.top + 2 * letterHeight + letterHeight / 2);
  EXPECT_EQ(List().GetTopPos(), -1640);
  EXPECT_EQ(wnd.GetListModel().GetItemText(List().CalcIndexOfPos(200, 64)).str(), L"Carl10");
}

TEST_F(ContactsWindowTest, TenContactsHaveNoAlphabetBarAndElevenDo) {
  for (int i = 0; i < 10; ++i) AddContact((L"N" + std::to_wstring(i)).c_str(), {});
  Start();
  EXPECT_FALSE(AlphabetBar().IsVisible());
  EXPECT_FALSE(List().IsScrollBarVEnabled());
  AddContact(L"N10", {});
  wnd.Dispatch(QZ_WM_ACTIVATE, 1, 0);
  EXPECT_TRUE(AlphabetBar().IsVisible());
  EXPECT_TRUE(List().IsScrollBarVEnabled());
}

}  // namespace
}  // namespace contacts_test
