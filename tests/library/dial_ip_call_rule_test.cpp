// The IP-call rule: what is dialled for which number. (Dialling itself, and
// what is remembered for redial, is seen from the dial window.)
#include <gtest/gtest.h>

#include "ce/journal.h"
#include "dialer/IpCallRule.h"
#include "temp_root.h"

namespace {

TEST(IpCallRule, PutsThePrefixInFrontUnlessTheNumberBeginsWithItAndDialsNothingWithoutEither) {
  const wchar_t* const cases[][3] = {
      {L"17951", L"13800138000", L"1795113800138000"},  {L"17951", L"1795113800138000", L"1795113800138000"},
      {L"17951", L"13817951000", L"1795113817951000"},  {L"17951", L"+8613800138000", L"17951+8613800138000"},
      {L"17951", L"*#06#", L"17951*#06#"},              {L"17951", L"1795", L"179511795"},
      {L"", L"13800138000", L"13800138000"},
  };
  for (const auto& c : cases) EXPECT_EQ(IpCallRule(c[0]).DialString(c[1]).str(), c[2]) << c[0] << " " << c[1];

  // Nothing is dialled without a prefix or a number.
  vorna::test::TempDeviceRoot root;
  EXPECT_FALSE(IpCallRule(L"").Dial(L"13800138000"));
  EXPECT_TRUE(IpCallRule(L"17951").Dial(L""));
  EXPECT_TRUE(ce::ReadLaunchJournal().empty());
}

}  // namespace
