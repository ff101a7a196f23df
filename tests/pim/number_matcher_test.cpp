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

template <size_t N>
void ExpectCases(const NumberMatcher& matcher, const Case (&cases)[N]) {
  for (const Case& c : cases) {
    EXPECT_EQ(matcher.Matches(c.a, c.b), c.same)
        << matcher.HomeCountry() << ": \"" << c.a << "\" vs \"" << c.b << "\"";
    EXPECT_EQ(matcher.Matches(c.b, c.a), c.same)
        << matcher.HomeCountry() << ": \"" << c.b << "\" vs \"" << c.a << "\"";
  }
}

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
      // Other countries keep their code, and numbers of two countries never
      // match, whatever digits they share.
      {L"+44 20 7946 0018", L"0044 20 7946 0018", true},
      {L"+44 (0)20 7946 0018", L"+44 20 7946 0018", true},
      {L"+44 20 7946 0018", L"+86 20 7946 0018", false},
      {L"+44 20 7946 0018", L"020 7946 0018", false},   // Guangzhou, written nationally
      {L"+44 20 7946 0018", L"79460018", false},        // a local number here
      {L"0044 20 7946 0018", L"2079460018", false},
      {L"+852 2123 4567", L"21234567", false},
      {L"+1 415 555 0100", L"4155550100", false},
      {L"+1 415 555 0100", L"+1 415 555 0101", false},
      {L"+1 415 555 0100", L"+44 415 555 0100", false},
      {L"+1 138 0013 8000", L"13800138000", false},
      {L"+886 2 2345 6789", L"+86 2 2345 6789", false},
      // Nothing to compare never matches.
      {L"", L"", false},
      {L"", L"13800138000", false},
      {L"unknown", L"unknown", false},
      {L"+", L"+", false},
  };
  ExpectCases(NumberMatcher(), cases);
  ExpectCases(NumberMatcher(L"86"), cases);
}

TEST(NumberMatcher, NumbersWithoutACountryCodeBelongToTheHomeCountry) {
  const Case british[] = {
      {L"+44 20 7946 0018", L"020 7946 0018", true},
      {L"0044 7911 123456", L"07911 123456", true},
      {L"+44 20 7946 0018", L"7946 0018", true},  // the local form
      {L"+86 20 7946 0018", L"020 7946 0018", false},
      {L"+86 138 0013 8000", L"13800138000", false},
      {L"+8613800138000", L"008613800138000", true},
      {L"13800138000", L"013800138000", true},
      {L"1380013800", L"13800138000", false},
      {L"888", L"888", true},
      {L"888", L"12345888", false},
  };
  ExpectCases(NumberMatcher(L"44"), british);
  ExpectCases(NumberMatcher(L"+44"), british);
  ExpectCases(NumberMatcher(L"0044"), british);
  const Case american[] = {
      {L"+1 415 555 0100", L"415 555 0100", true},
      {L"+1 415 555 0100", L"1 415 555 0100", true},
      {L"+44 20 7946 0018", L"20 7946 0018", false},
  };
  ExpectCases(NumberMatcher(L"1"), american);
  // What is no country code stands for 86.
  for (const wchar_t* code : {L"", L"abc", L"999", L"4444", L"0", L"86x"})
    EXPECT_EQ(NumberMatcher(code).HomeCountry(), "86") << code;
}

TEST(NumberMatcher, KeysDropPrefixesAndMatchingKeysShareTheIndexedTail) {
  const NumberMatcher china;
  EXPECT_EQ(china.Key(L"+86 138 0013 8000"), "13800138000");
  EXPECT_EQ(china.Key(L"0755 1234 5678"), "75512345678");
  EXPECT_EQ(china.Key(L"+44 20 7946 0018"), "00442079460018");
  EXPECT_EQ(NumberMatcher::Tail(china.Key(L"075512345678")), NumberMatcher::Tail(china.Key(L"12345678")));
  const NumberMatcher britain(L"44");
  EXPECT_EQ(britain.Key(L"+44 20 7946 0018"), "2079460018");
  EXPECT_EQ(britain.Key(L"+86 138 0013 8000"), "008613800138000");
  EXPECT_EQ(britain.Key(L"8613800138000"), "8613800138000");  // the bare 86 prefix is China's alone
}

}  // namespace
