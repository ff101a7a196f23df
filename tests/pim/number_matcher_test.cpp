// When two numbers are the same number: every case of the rule in one table.
#include <gtest/gtest.h>

#include "match/NumberMatcher.h"

using qzpam::NumberMatcher;

namespace {

struct Case {
  const wchar_t* a;
  const wchar_t* b;
  bool same;
};

TEST(NumberMatcher, AllNumberEqualityCases) {
  const Case cases[] = {
      // One mobile number in its international, national and formatted forms.
      {L"+86 138 0013 8000", L"13800138000", true},
      {L"008613800138000", L"13800138000", true},
      {L"+8613800138000", L"008613800138000", true},
      {L"8613800138000", L"138-0013-8000", true},
      {L"(138) 0013.8000", L"13800138000", true},
      {L"１３８００１３８０００", L"13800138000", true},  // full-width digits
      // Mobiles match on all 11 digits, never on a tail.
      {L"13800138000", L"13800138001", false},
      {L"13899991234", L"99991234", false},
      {L"13899991234", L"1234", false},
      // Landlines: trunk and international prefixes, and the local form.
      {L"0755-12345678", L"+86 755 1234 5678", true},
      {L"075512345678", L"12345678", true},
      {L"010 8888 6666", L"88886666", true},
      {L"075512345678", L"02112345678", false},  // other area code, same local number
      {L"075512345678", L"075512345679", false},
      {L"7654321", L"0107654321", true},  // 7 trailing digits are enough
      // Short numbers only exactly.
      {L"888", L"888", true},
      {L"1234", L"13899991234", false},
      {L"888", L"0888", true},  // a trunk 0 is still dropped
      {L"10086", L"10086", true},
      {L"10086", L"010086", true},
      {L"123456", L"0123456", true},
      {L"123456", L"9123456", false},
      // Other countries keep their code.
      {L"+44 20 7946 0018", L"0044 20 7946 0018", true},
      {L"+44 20 7946 0018", L"+86 20 7946 0018", true},  // same tail, not a mobile
      {L"+1 415 555 0100", L"+1 415 555 0101", false},
      // Nothing to compare never matches.
      {L"", L"", false},
      {L"", L"13800138000", false},
      {L"unknown", L"unknown", false},
      {L"+", L"+", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberMatcher::Matches(c.a, c.b), c.same) << "\"" << c.a << "\" vs \"" << c.b << "\"";
    EXPECT_EQ(NumberMatcher::Matches(c.b, c.a), c.same) << "\"" << c.b << "\" vs \"" << c.a << "\"";
  }
}

TEST(NumberMatcher, KeysDropPrefixesAndMatchingKeysShareTheIndexedTail) {
  EXPECT_EQ(NumberMatcher::Key(L"+86 138 0013 8000"), "13800138000");
  EXPECT_EQ(NumberMatcher::Key(L"0755 1234 5678"), "75512345678");
  EXPECT_EQ(NumberMatcher::Key(L"+44 20 7946 0018"), "00442079460018");
  EXPECT_EQ(NumberMatcher::Tail(NumberMatcher::Key(L"075512345678")),
            NumberMatcher::Tail(NumberMatcher::Key(L"12345678")));
}

}  // namespace
