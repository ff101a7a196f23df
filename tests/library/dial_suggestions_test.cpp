// Smart dial in the dial window: the contacts the typed digits find, drawn
// with their matched characters, scrolled, tapped and held, on the headless
// screen over a real store.
#include "dial_fixture.h"
#include "temp_root.h"

namespace dial_test {
namespace {

// The strip of suggestions between the match line and the keypad, on the screen.
constexpr int kStripTop = kScreenTop + 132, kStripHeight = 31;

// How many pixels of the screen rectangle have the accent of matched characters.
int AccentPixels(int left, int top, int width, int height) {
  int count = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      COLORREF c = vorna::test::ScreenPixel(x, y);
      if (GetBValue(c) > 160 && GetRValue(c) < 120 && GetBValue(c) - GetRValue(c) > 80) ++count;
    }
  return count;
}

class DialSuggestionsTest : public DialWindowTest {
 protected:
  SuggestionList& List() const { return *Control<SuggestionList>(); }
  std::wstring FirstName() const {
    const T9Suggestion* row = List().Row(0);
    return List().IsVisible() && row ? row->name.str() : L"(none)";
  }
  bool KeypadShown() const { return Control<DialPadButton>()->IsVisible(); }
  void StripGesture(int dy) { robot.Drag(240, kStripTop + 15, 240, kStripTop + 15 + dy); }
  void HoldAt(int x, int y) {
    robot.Press(x, y);
    robot.Advance(600);
    robot.Release(x, y);
    robot.Advance(300);
  }
};

TEST_F(DialSuggestionsTest, TypingShowsTheFoundContactsWithTheirMatchedCharactersDrawn) {
  AddContact(L"张伟", {{L"13800001111", 0}});
  AddContact(L"王芳", {{L"13900002222", 0}});
  AddContact(L"Bob Clark", {{L"13700003333", 0}});
  EXPECT_FALSE(List().IsVisible()) << "nothing typed, nothing shown";
  struct Case {
    const wchar_t* keys;
    const wchar_t* first;
    bool nameMarked, numberMarked;
  };
  const Case cases[] = {
      {L"99", L"张伟", true, false},            // initials
      {L"94264934", L"张伟", true, false},      // the whole reading
      {L"225275", L"Bob Clark", true, false},   // a word's start, then the next word
      {L"0003", L"Bob Clark", false, true},     // digits inside a number
  };
  for (const Case& c : cases) {
    Type(c.keys);
    EXPECT_EQ(FirstName(), c.first) << c.keys;
    EXPECT_EQ(AccentPixels(0, kStripTop, 200, kStripHeight) > 20, c.nameMarked) << c.keys << ": name";
    EXPECT_EQ(AccentPixels(280, kStripTop, 200, kStripHeight) > 20, c.numberMarked) << c.keys << ": number";
    EXPECT_TRUE(KeypadShown());
    Tap(kClear);
    EXPECT_FALSE(List().IsVisible()) << c.keys;
    EXPECT_EQ(AccentPixels(0, kStripTop, 480, kStripHeight), 0) << "the strip is gone";
  }
  Type(L"*99");
  EXPECT_FALSE(List().IsVisible()) << "only digits are looked up";
}

TEST_F(DialSuggestionsTest, ScrollingFoldsTheKeypadAndReadsOnTheFieldOrAHeldRowBringsItBack) {
  for (int i = 0; i < 40; ++i) {
    const std::wstring number = L"1380000" + std::to_wstring(1000 + i);
    AddContact((L"Wei " + std::to_wstring(i)).c_str(), {{number.c_str(), 0}});
  }
  Type(L"934");
  const int read = List().GetItemCount();
  EXPECT_GT(read, 1);
  EXPECT_LT(read, 40) << "a key reads a screenful and a margin, not every row";

  StripGesture(-120);
  EXPECT_FALSE(KeypadShown()) << "scrolling folds the keypad away";
  EXPECT_EQ(List().GetWinRect().bottom, ToolBar().GetWinRect().top) << "the list takes its room";
  for (int i = 0; i < 3; ++i) robot.Drag(240, kScreenTop + 600, 240, kScreenTop + 200);
  robot.Advance(2000);
  EXPECT_EQ(List().GetItemCount(), 40) << "scrolling to the end reads on";

  RECT field = OnScreen(FieldControl().GetWinRect());
  field.left = field.right - 20;  // past the digits: the caret goes to the end
  TapAt(field);
  EXPECT_TRUE(KeypadShown()) << "a tap on the field brings the keypad back";
  EXPECT_EQ(List().GetWinRect().bottom, kStripTop - kScreenTop + kStripHeight);
  Type(L"2");
  EXPECT_EQ(Field(), L"9342");
  Tap(kDelete);

  StripGesture(120);
  robot.Advance(1000);  // pulled past the top, the list springs back
  ASSERT_FALSE(KeypadShown());
  const std::wstring held = List().Row(1)->number.str();
  HoldAt(240, kStripTop + 62 + 31);  // the second row
  EXPECT_EQ(Field(), held) << "a long press puts the number in the field";
  EXPECT_TRUE(KeypadShown());
  EXPECT_TRUE(Dialled().empty());
}

TEST_F(DialSuggestionsTest, ATapDialsTheNumberByTheIpCallRule) {
  AddContact(L"张伟", {{L"13800001111", 0}});
  const wchar_t* const cases[][2] = {{L"", L"-n 13800001111"}, {L"17951", L"-n 1795113800001111"}};
  std::vector<std::wstring> dialled;
  for (const auto& c : cases) {
    Settings().SetIPInUsed(c[0]);
    Type(L"99");
    StripGesture(60);
    robot.Advance(1000);
    EXPECT_TRUE(KeypadShown()) << "one row fits: nothing to scroll";
    robot.Tap(240, kStripTop + 15);
    robot.Advance(300);
    dialled.push_back(c[1]);
    EXPECT_EQ(Dialled(), dialled);
    EXPECT_EQ(LastDialledNumber, L"13800001111");
    EXPECT_EQ(Field(), L"");
    EXPECT_FALSE(List().IsVisible());
  }
}

TEST_F(DialSuggestionsTest, AContactAddedByAnotherProcessShowsOnTheNextKey) {
  Type(L"93");
  EXPECT_NE(FirstName(), L"Zed-0");
  ASSERT_EQ(vorna::test::RunProgram(vorna::test::BuiltProgramsDir() / "pim_store_peer", {"contacts", "Zed", "1"}), 0);
  Type(L"3");
  EXPECT_EQ(FirstName(), L"Zed-0");
}

}  // namespace
}  // namespace dial_test
