// The IP-call rule: what is dialled for which number, and what is
// remembered for redial.
#include <gtest/gtest.h>

#include "ce/journal.h"
#include "dialer/IpCallRule.h"
#include "temp_root.h"

namespace {

std::wstring Dial(const wchar_t* prefix, const wchar_t* number) { return IpCallRule(prefix).DialString(number).str(); }

TEST(IpCallRule, PutsThePrefixInFrontUnlessTheNumberBeginsWithIt) {
  EXPECT_EQ(Dial(L"17951", L"13800138000"), L"1795113800138000");
  EXPECT_EQ(Dial(L"17951", L"1795113800138000"), L"1795113800138000");
  EXPECT_EQ(Dial(L"17951", L"13817951000"), L"1795113817951000") << "the prefix later in the number";
  EXPECT_EQ(Dial(L"17951", L"+8613800138000"), L"17951+8613800138000");
  EXPECT_EQ(Dial(L"17951", L"10086"), L"1795110086");
  EXPECT_EQ(Dial(L"17951", L"*#06#"), L"17951*#06#");
  EXPECT_EQ(Dial(L"17951", L"1795"), L"179511795") << "a number shorter than the prefix";
  EXPECT_EQ(Dial(L"", L"13800138000"), L"13800138000");
}

// Dialling itself, and what is remembered, is seen from the dial window.
TEST(IpCallRule, DialsNothingWithoutAPrefixOrANumber) {
  vorna::test::TempDeviceRoot root;
  EXPECT_FALSE(IpCallRule(L"").Dial(L"13800138000"));
  EXPECT_TRUE(IpCallRule(L"17951").Dial(L""));
  EXPECT_TRUE(ce::ReadLaunchJournal().empty());
}

}  // namespace
