#include <gtest/gtest.h>

#include <cstring>

#include "windows.h"

namespace {

TEST(WideString, WtolReadsLeadingDigitsOnlyAndComparisonsIgnoreCase) {
  struct Case {
    const wchar_t* text;
    LONG expected;
  } cases[] = {
      {L"1380013", 1380013}, {L"  \t21", 21},  {L"0755", 755},        {L"12ab", 12}, {L"ab12", 0},
      {L"", 0},              {L"-21", 0},      {L"+21", 0},           {L"1 2", 1},   {L"99999999999", 2147483647},
      {L"１２", 0},  // full-width digits are not decimal digits here
  };
  for (const Case& c : cases) EXPECT_EQ(_wtol(c.text), c.expected) << c.text;
  EXPECT_EQ(_wtol(nullptr), 0);
  EXPECT_EQ(_wtoi(L"42x"), 42);

  // Case-insensitive comparisons.
  EXPECT_EQ(_wcsicmp(L"Windows", L"wINDOWS"), 0);
  EXPECT_EQ(_wcsicmp(L"ÄÖ", L"äö"), 0);
  EXPECT_LT(_wcsicmp(L"abc", L"ABD"), 0);
  EXPECT_GT(_wcsicmp(L"abcd", L"ABC"), 0);
  EXPECT_EQ(_wcsnicmp(L"TmpVcard\\x", L"tmpvcard\\y", 9), 0);
  EXPECT_NE(_wcsnicmp(L"TmpVcard\\x", L"tmpvcard\\y", 10), 0);
  EXPECT_LT(_wcsicmp(nullptr, L""), 0);
  EXPECT_EQ(_wcsicmp(nullptr, nullptr), 0);
}

TEST(Bstr, CarriesItsByteLengthInFrontAndKeepsZeros) {
  BSTR text = SysAllocString(L"张三");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::wstring(text), L"张三");
  EXPECT_EQ(SysStringLen(text), 2u);
  EXPECT_EQ(SysStringByteLen(text), 2 * sizeof(OLECHAR));
  uint32_t prefix;
  std::memcpy(&prefix, reinterpret_cast<const char*>(text) - 4, 4);
  EXPECT_EQ(prefix, 2 * sizeof(OLECHAR));
  SysFreeString(text);
  const OLECHAR withZero[] = {L'a', 0, L'b'};
  text = SysAllocStringLen(withZero, 3);
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(text[2], L'b');
  EXPECT_EQ(text[3], 0);
  SysFreeString(text);
  BSTR blank = SysAllocStringLen(nullptr, 4);
  EXPECT_EQ(SysStringLen(blank), 4u);
  EXPECT_EQ(blank[0], 0);
  SysFreeString(blank);
  BSTR empty = SysAllocString(L"");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(SysStringLen(empty), 0u);
  SysFreeString(empty);
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(SysStringByteLen(nullptr), 0u);
  SysFreeString(nullptr);
  // A length whose byte count cannot fit the 32-bit prefix is refused.
  EXPECT_EQ(SysAllocStringLen(nullptr, 0x40000000u), nullptr);
}

}  // namespace
