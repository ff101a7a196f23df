// The soft keyboard: it comes up for fields with an input-panel mode, takes
// the bottom 300 pixels, types into the focused field, composes pinyin into
// characters, and goes away with the focus or QzCloseSip.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "window_fixture.h"
#include "qzfc/Sip.h"
#include "qzfc/UiSingleLineEdit.h"
#include "qzfc/WinApi.h"

namespace qzfc::test {
namespace {

class SipTest : public TwoFieldsTest {
 protected:
  // Taps the keys with these labels, in order.
  void TapKeys(std::initializer_list<const wchar_t*> labels) {
    for (const wchar_t* label : labels) {
      RECT r = Sip::Instance().KeyRect(label);
      ASSERT_LT(r.left, r.right) << "no key";
      robot.Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
  }
  UiSingleLineEdit& field = fields[0];
  UiSingleLineEdit& other = fields[1];
};

TEST_F(SipTest, ComesUpWithTheFocusAndTakesTheBottom300Pixels) {
  field.SetSipMode(10, 0xFFFFFFFF);
  EXPECT_FALSE(Sip::Instance().IsVisible());
  field.SetFocus(TRUE);
  robot.Settle();
  ASSERT_TRUE(Sip::Instance().IsVisible());
  EXPECT_EQ(Sip::Instance().Layout(), SipLayout::Digits);
  EXPECT_EQ(EdgesOf(Sip::Instance().ScreenRect()), (Edges{0, 500, 480, 800}));
  EXPECT_EQ(wnd.changes, (std::vector<Change>{{2, 5, 1}}));
  SaveGalleryShot(robot, "input_sip_digits");

  TapKeys({L"1", L"+", L"#", L"⌫"});
  EXPECT_STREQ(field.GetText(), L"1+");
  // Focus to a field without a mode: the keyboard goes.
  other.SetFocus(TRUE);
  EXPECT_FALSE(Sip::Instance().IsVisible());
  field.SetFocus(TRUE);
  EXPECT_TRUE(Sip::Instance().IsVisible());
  QzCloseSip();
  robot.Settle();
  EXPECT_FALSE(Sip::Instance().IsVisible());
  EXPECT_TRUE(field.HasFocus());  // closing the keyboard keeps the focus
  // Coming up again reports again; staying up does not.
  field.SetFocus(FALSE);
  field.SetFocus(TRUE);
  robot.Settle();
  EXPECT_EQ(std::count(wnd.changes.begin(), wnd.changes.end(), Change{2, 5, 1}), 3);
}

TEST_F(SipTest, LayoutsFollowTheMode) {
  EXPECT_EQ(SipLayoutForMode(1), SipLayout::Pinyin);
  EXPECT_EQ(SipLayoutForMode(3), SipLayout::Email);
  EXPECT_EQ(SipLayoutForMode(4), SipLayout::Web);
  EXPECT_EQ(SipLayoutForMode(9), SipLayout::Digits);
  // The dial field brings its own pad.
  field.SetSipMode(0x7FFFF, 0xFFFFFFFF);
  field.SetFocus(TRUE);
  robot.Settle();
  EXPECT_FALSE(Sip::Instance().IsVisible());
  EXPECT_TRUE(wnd.changes.empty());

  other.SetSipMode(3, 0xFFFFFFFF);
  other.SetFocus(TRUE);
  TapKeys({L"a", L"@", L"b", L"."});
  EXPECT_STREQ(other.GetText(), L"a@b.");
  SaveGalleryShot(robot, "input_sip_email");
  other.SetSipMode(4, 0xFFFFFFFF);  // changing the mode of the focused field changes the layout
  EXPECT_EQ(Sip::Instance().Layout(), SipLayout::Web);
  TapKeys({L".com"});
  EXPECT_STREQ(other.GetText(), L"a@b..com");
}

TEST_F(SipTest, ShiftTypesOneCapitalOrLocksCapitals) {
  field.SetSipMode(2, 0xFFFFFFFF);
  field.SetFocus(TRUE);
  ASSERT_EQ(Sip::Instance().Layout(), SipLayout::Latin);
  // Shift once: one capital, then small letters again.
  TapKeys({L"⇧", L"H", L"i"});
  EXPECT_STREQ(field.GetText(), L"Hi");
  EXPECT_EQ(Sip::Instance().KeyRect(L"Q").right, 0) << "the letters are small again";
  // Twice: capitals until shift is tapped a third time.
  TapKeys({L"⇧", L"⇧", L"O", L"K", L"⇪", L"s"});
  EXPECT_STREQ(field.GetText(), L"HiOKs");
  EXPECT_GT(Sip::Instance().KeyRect(L"⇧").right, 0);
  // Shift is no letter: typing nothing by itself, and the keys still fit the screen.
  EXPECT_EQ(Sip::Instance().KeyRect(L"⌫").right, 480);
  EXPECT_EQ(wnd.changes.size(), 1u + 5u);  // the keyboard coming up, then five characters
}

TEST_F(SipTest, PinyinComposesCharactersUntilACapital) {
  field.SetSipMode(1, 0xFFFFFFFF);
  field.SetFocus(TRUE);
  TapKeys({L"z", L"h", L"o", L"n", L"g"});
  EXPECT_EQ(Sip::Instance().Composition(), L"zhong");
  EXPECT_STREQ(field.GetText(), L"");  // nothing typed while composing
  std::wstring candidates = Sip::Instance().Candidates();
  EXPECT_NE(candidates.find(L'中'), std::wstring::npos);
  SaveGalleryShot(robot, "input_sip_pinyin");
  TapKeys({L"中"});
  EXPECT_STREQ(field.GetText(), L"中");
  EXPECT_EQ(Sip::Instance().Composition(), L"");
  // Backspace takes letters from the composition first, then the field.
  TapKeys({L"w", L"⌫"});
  EXPECT_STREQ(field.GetText(), L"中");
  TapKeys({L"⌫"});
  EXPECT_STREQ(field.GetText(), L"");
  // Enter types the letters themselves; the toggle switches to plain letters.
  TapKeys({L"q", L"↵", L"英", L"x"});
  EXPECT_STREQ(field.GetText(), L"qx");
  // Prefixes offer the characters of longer syllables; nonsense offers none.
  TapKeys({L"中", L"z", L"h"});
  EXPECT_FALSE(Sip::Instance().Candidates().empty());
  TapKeys({L"q", L"q", L"q"});
  EXPECT_TRUE(Sip::Instance().Candidates().empty());
  TapKeys({L"␣"});  // no candidate: space does nothing
  EXPECT_EQ(Sip::Instance().Composition(), L"zhqqq");

  // A capital ends a composition.
  TapKeys({L"↵"});
  field.SetText(L"");
  TapKeys({L"z", L"h", L"o", L"n", L"g", L"⇧", L"A"});
  EXPECT_EQ(Sip::Instance().Composition(), L"");
  ASSERT_EQ(field.GetTextLength(), 2);
  EXPECT_EQ(field.GetText()[1], L'A');
}

TEST_F(SipTest, MovingBetweenLayoutsKeepsNoOldKeyboardsAndEnterMayMoveOn) {
  field.SetSipMode(2, 0xFFFFFFFF);
  other.SetSipMode(9, 0xFFFFFFFF);
  for (int i = 0; i < 10; ++i) {
    field.SetFocus(TRUE);
    other.SetFocus(TRUE);
  }
  robot.Settle();
  EXPECT_EQ(wnd.GetChildren().size(), 1u) << "one keyboard window at a time";

  // Enter in a field that passes the focus on brings up the other layout
  // from within the old keyboard's key handler.
  field.EnableSwitchFocus(TRUE);
  other.EnableSwitchFocus(TRUE);
  field.SetFocus(TRUE);
  TapKeys({L"a", L"↵"});
  EXPECT_TRUE(other.HasFocus());
  EXPECT_EQ(Sip::Instance().Layout(), SipLayout::Digits);
  TapKeys({L"5", L"↵", L"b"});
  EXPECT_STREQ(field.GetText(), L"ab");
  EXPECT_STREQ(other.GetText(), L"5");
  EXPECT_LE(wnd.GetChildren().size(), 2u);
}

}  // namespace
}  // namespace qzfc::test
