#include <gtest/gtest.h>

#include <cwchar>

#include "qzfc/QzString.h"

namespace {

TEST(QzString, NullOutOfRangeAndBufferAccessAreSafe) {
  EXPECT_TRUE(CQzStringW(nullptr).IsEmpty());
  EXPECT_TRUE(CQzStringW(L"abc", -1).IsEmpty());
  CQzStringW s(L"self");
  s = s.GetString() + 1;  // assigning from its own storage
  EXPECT_EQ(s, L"elf");
  s = static_cast<const wchar_t*>(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(CQzStringW(L"ab").GetAt(2), 0);
  EXPECT_EQ(CQzStringW().Compare(nullptr), 0);
  EXPECT_EQ(CQzStringW(L"0123456789").Mid(-5, 2), L"01");
  EXPECT_EQ(CQzStringW(L"0123456789").Mid(20, 2), L"");
  EXPECT_EQ(CQzStringW(L"0123456789").Right(99), L"0123456789");
  EXPECT_EQ(CQzStringW(L"abc").Find(L'a', 99), -1);

  s.Empty();
  wcscpy(s.GetBuffer(10), L"hello");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 5);
  s.GetBuffer(10);
  s.ReleaseBuffer(2);
  EXPECT_EQ(s, L"he");
  s.ReleaseBuffer(50);  // longer than the buffer: unchanged
  EXPECT_EQ(s, L"he");
}

TEST(QzString, FormatReadsPercentSAsWideTextAndFailsClearly) {
  CQzStringW duration;
  duration.Format(L"%d%s", 1, L"分");
  duration.AppendFormat(L"%02d%s", 5, L"秒");
  EXPECT_EQ(duration, L"1分05秒");

  CQzStringW mixed;
  mixed.Format(L"%S|%hs|%ls|%ws|%c|%C|%5.2s|%%", "narrow", "hs", L"ls", L"ws", L'字', 'n', L"wide");
  EXPECT_EQ(mixed, L"narrow|hs|ls|ws|字|n|   wi|%");

  CQzStringW large;
  large.Format(L"%s%s", std::wstring(3000, L'a').c_str(), L"b");
  EXPECT_EQ(large.GetLength(), 3001);

  // The string's own text may be an argument, or the format itself.
  CQzStringW name(L"Anna");
  name.Format(L"%s (%d)", name.GetString(), 2);
  EXPECT_EQ(name, L"Anna (2)");
  CQzStringW pattern(L"%d%%");
  pattern.Format(pattern, 40);
  EXPECT_EQ(pattern, L"40%");

  CQzStringW s(L"old");
  s.Format(nullptr);  // failures leave a clear result
  EXPECT_TRUE(s.IsEmpty());
  s = L"old";
  s.AppendFormat(L"%S", "\xff\xfe not valid in the C locale");
  EXPECT_EQ(s, L"old");
}

TEST(QzString, ComparisonEditingAndConcatenation) {
  CQzStringW a(L"Abc");
  EXPECT_TRUE(a == L"Abc");
  EXPECT_TRUE(a != L"abc");
  EXPECT_EQ(a.Compare(L"Abd"), -1);
  EXPECT_EQ(a.CompareNoCase(L"aBC"), 0);
  EXPECT_EQ(CQzStringW(L"ÄÖ").CompareNoCase(L"äö"), 0);
  EXPECT_LT(a.CompareNoCase(L"abd"), 0);
  EXPECT_EQ(L"<" + a + L'>' + CQzStringW(L"!"), L"<Abc>!");

  CQzStringW r(L"aaa");
  EXPECT_EQ(r.Replace(L"a", L"aa"), 3);  // replacements are not searched again
  EXPECT_EQ(r, L"aaaaaa");
  EXPECT_EQ(r.Replace(L"", L"x"), 0);
  EXPECT_EQ(CQzStringW(L" \t x y \r\n").Trim(), L"x y");
}

}  // namespace
