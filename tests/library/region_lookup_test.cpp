// Region keys of numbers of the 86 plan, and the region texts.
#include <gtest/gtest.h>

#include <cstdlib>

#include "contactdata/RegionKey.h"
#include "contactdata/RegionLookup.h"
#include "contactdata_helpers.h"

namespace {

using contactdata_test::SysText;

std::string Describe(const RegionKey& key) {
  if (key.kind == RegionKey::KEY) return std::to_string(key.key);
  return key.kind == RegionKey::INTERNATIONAL ? "international" : key.kind == RegionKey::LOCAL ? "local" : "undecided";
}

TEST(RegionKeys, EveryPrefixFormGivesItsKey) {
  struct Case {
    const wchar_t* number;
    const char* key;
  };
  const Case cases[] = {
      {L"13800138000", "1380013"},    {L"+8613800138000", "1380013"}, {L"008613800138000", "1380013"},
      {L"013800138000", "1380013"},   {L"02112345678", "21"},         {L"01012345678", "10"},
      {L"075512345678", "755"},       {L"+862112345678", "21"},       {L"0086755123456", "755"},
      {L"+8601012345", "10"},         {L"+12025550123", "international"}, {L"+1", "international"},
      {L"+85212345678", "international"}, {L"+441234567", "international"}, {L"0044123456", "international"},
      {L"+8", "undecided"},           {L"+86", "undecided"},          {L"0", "undecided"},
      {L"", "undecided"},             {L"88881234", "local"},         {L"2345678", "local"},
      {L"#1234567", "local"},         {L" 13800138000", "local"},     {L"1abcdefgh", "1"},
      {L"abc", "local"},              {L"0abc123456", "undecided"},   {L"0 21 1234567", "21"},
      {L"138-0013-8000", "138"},      {L"+86-21", "-21"},       {L"10086", "10086"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(ParseRegionKey(c.number)), c.key) << '"' << c.number << '"';
}

class RegionLookup : public contactdata_test::StoreTest {
 protected:
  void SetUp() override { setenv("VORNA_UI_LANG", "0804", 1); }
  void TearDown() override { unsetenv("VORNA_UI_LANG"); }

  std::wstring Region(const wchar_t* number) {
    SysText region;
    if (!GetPNRegionInfo(number, region.out())) return region.set() ? L"(written on false)" : L"(false)";
    return region.str();
  }
};

TEST_F(RegionLookup, TextsForMobilesAreaCodesAndTheFixedCasesUnderNationalCode86OrNone) {
  struct Case {
    const wchar_t* number;
    const wchar_t* region;
  };
  const Case cases[] = {
      {L"13800138000", L"北京 北京"},    {L"+8613800138000", L"北京 北京"}, {L"075512345678", L"广东 深圳"},
      {L"02112345678", L"上海 上海"},    {L"+12025550123", L"国际长途"},   {L"+85212345678", L"国际长途"},
      {L"88881234", L"本地固话"},        {L"123456", L"(false)"},          {L"888", L"(false)"},
      {L"", L"(false)"},                 {L"+86-2112345", L"(false)"},     {L"17012345678", L"(false)"},
  };
  for (const Case& c : cases) EXPECT_EQ(Region(c.number), c.region) << '"' << c.number << '"';
  EXPECT_EQ(Region(nullptr), L"(false)");
  const std::wstring huge(10000, L'9');
  EXPECT_EQ(Region(huge.c_str()), L"本地固话");
  EXPECT_FALSE(GetPNRegionInfo(L"13800138000", nullptr));

  // Only the national code 86, or none, reads numbers.
  ASSERT_TRUE(settings()->SetNationalCode(L"44"));
  EXPECT_EQ(Region(L"13800138000"), L"(false)");
  EXPECT_EQ(Region(L"88881234"), L"(false)");
  ASSERT_TRUE(settings()->SetNationalCode(L"86"));
  EXPECT_EQ(Region(L"88881234"), L"本地固话");
  ASSERT_TRUE(settings()->SetNationalCode(L""));
  EXPECT_EQ(Region(L"13800138000"), L"北京 北京");
}

}  // namespace
