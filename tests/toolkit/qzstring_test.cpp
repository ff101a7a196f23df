#include <gtest/gtest.h>

#include <map>

#include "qzfc/QzString.h"

namespace {

TEST(QzString, ConstructionAndNullSafety) {
  EXPECT_TRUE(CQzStringW(nullptr).IsEmpty());
  EXPECT_EQ(CQzStringW(L"abc", 2), L"ab");
  EXPECT_TRUE(CQzStringW(L"abc", -1).IsEmpty());
  EXPECT_EQ(CQzStringW(L'x', 3), L"xxx");
  CQzStringW s(L"keep");
  s = static_cast<const wchar_t*>(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  s = L"self";
  s = s.GetString() + 1;  // assigning from its own storage
  EXPECT_EQ(s, L"elf");
  EXPECT_EQ(s.GetAt(5), 0);
  EXPECT_EQ(s.GetAt(-1), 0);
}

TEST(QzString, FormatReadsPercentSAsWideText) {
  CQzStringW rings;
  rings.Format(L"%d%s", 4, L"次响铃");
  EXPECT_EQ(rings, L"4次响铃");

  CQzStringW duration;
  duration.Format(L"%d%s", 1, L"分");
  duration.AppendFormat(L"%02d%s", 5, L"秒");
  EXPECT_EQ(duration, L"1分05秒");

  CQzStringW mixed;
  mixed.Format(L"%S|%hs|%ls|%ws|%c|%C|%5.2s|%%", "narrow", "hs", L"ls", L"ws", L'字', 'n', L"wide");
  EXPECT_EQ(mixed, L"narrow|hs|ls|ws|字|n|   wi|%");

  CQzStringW wide;
  wide.Format(L"%lld %x %-3d|", static_cast<long long>(1) << 40, 255, 7);
  EXPECT_EQ(wide, L"1099511627776 ff 7  |");

  CQzStringW large;
  large.Format(L"%s%s", std::wstring(3000, L'a').c_str(), L"b");
  EXPECT_EQ(large.GetLength(), 3001);
}

TEST(QzString, FormatFailureLeavesAClearResult) {
  CQzStringW s(L"old");
  s.Format(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  s = L"old";
  s.AppendFormat(L"%S", "\xff\xfe not valid in the C locale");
  EXPECT_EQ(s, L"old");
}

TEST(QzString, BufferAccess) {
  CQzStringW s;
  wchar_t* buffer = s.GetBuffer(10);
  wcscpy(buffer, L"hello");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 5);
  s.GetBuffer(10);
  s.ReleaseBuffer(2);
  EXPECT_EQ(s, L"he");
  s.ReleaseBuffer(50);  // longer than the buffer: unchanged
  EXPECT_EQ(s, L"he");
}

TEST(QzString, ComparisonAndConcatenation) {
  CQzStringW a(L"Abc");
  EXPECT_TRUE(a == L"Abc");
  EXPECT_FALSE(a == L"abc");
  EXPECT_TRUE(a != L"abc");
  EXPECT_EQ(a.Compare(L"Abd"), -1);
  EXPECT_EQ(a.Compare(nullptr), 1);
  EXPECT_EQ(CQzStringW().Compare(nullptr), 0);
  EXPECT_EQ(a.CompareNoCase(L"aBC"), 0);
  EXPECT_EQ(CQzStringW(L"STRASSE").CompareNoCase(L"strasse"), 0);
  EXPECT_LT(a.CompareNoCase(L"abd"), 0);

  EXPECT_EQ(L"<" + a + L'>' + CQzStringW(L"!"), L"<Abc>!");
  std::map<CQzStringW, int> byName{{L"b", 2}, {L"a", 1}};
  EXPECT_EQ(byName.begin()->second, 1);
}

TEST(QzString, SubstringsAreClamped) {
  CQzStringW s(L"0123456789");
  EXPECT_EQ(s.Left(3), L"012");
  EXPECT_EQ(s.Left(99), s);
  EXPECT_EQ(s.Right(2), L"89");
  EXPECT_EQ(s.Right(-1), L"");
  EXPECT_EQ(s.Mid(8), L"89");
  EXPECT_EQ(s.Mid(-5, 2), L"01");
  EXPECT_EQ(s.Mid(20, 2), L"");
  EXPECT_EQ(s.Find(L'5'), 5);
  EXPECT_EQ(s.Find(L"78", 8), -1);
  EXPECT_EQ(s.Find(L'1', 99), -1);
  EXPECT_EQ(CQzStringW(L"a\\b\\c").ReverseFind(L'\\'), 3);

  CQzStringW r(L"aaa");
  EXPECT_EQ(r.Replace(L"a", L"aa"), 3);
  EXPECT_EQ(r, L"aaaaaa");
  EXPECT_EQ(r.Replace(L"", L"x"), 0);
  EXPECT_EQ(CQzStringW(L" \t x y \r\n").Trim(), L"x y");
}

}  // namespace
