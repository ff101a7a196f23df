// Province and city of region keys, in both interface languages.
#include <gtest/gtest.h>

#include <cstdlib>

#include "location/RegionLookup.h"
#include "qzpam/CCallerLocationDbIf.h"

using qzpam::RegionLookup;
using qzpam::RegionNames;

namespace {

class UiLanguage {
 public:
  explicit UiLanguage(const char* hex) { setenv("VORNA_UI_LANG", hex, 1); }
  ~UiLanguage() { unsetenv("VORNA_UI_LANG"); }
};

std::wstring Location(int key) {
  qzu::string province = L"untouched";
  qzu::string city = L"untouched";
  if (!CCallerLocationDbIf::GetCallerLocationDbIf()->GetLocationInfo(key, province, city)) return L"(none)";
  return std::wstring(province.view()) + L"/" + std::wstring(city.view());
}

TEST(CallerLocation, NamesOfSegmentsAndAreaCodesInTheInterfaceLanguageAndNoneForUnknownKeys) {
  struct Case {
    const char* language;
    int key;
    const wchar_t* location;
  };
  const Case cases[] = {
      {"0804", 755, L"广东/深圳"},         {"0804", 10, L"北京/北京"},       {"0804", 21, L"上海/上海"},
      {"0804", 991, L"新疆/乌鲁木齐"},     {"0804", 1380013, L"北京/北京"},  {"0804", 1391234, L"江苏/常州"},
      {"0409", 755, L"Guangdong/Shenzhen"}, {"0409", 10, L"Beijing/Beijing"}, {"0409", 1391234, L"Jiangsu/Changzhou"},
  };
  for (const Case& c : cases) {
    UiLanguage language(c.language);
    EXPECT_EQ(Location(c.key), c.location) << c.language << " " << c.key;
  }
  // Unknown keys leave both texts untouched: 0, negative, not an area code, a
  // segment placed only in the whole country.
  UiLanguage chinese("0804");
  for (int key : {0, -755, 7, 100, 250, 1000, 1701234, 2000000})
    EXPECT_EQ(Location(key), L"(none)") << key;
}

TEST(CallerLocation, GeocoderTextsSplitIntoProvinceAndCity) {
  const struct {
    bool chinese;
    const wchar_t *text, *province, *city;
  } cases[] = {
      {true, L"贵州省贵阳市、遵义市、安顺市", L"贵州", L"贵阳、遵义、安顺"},
      {true, L"湖北省襄樊市、襄樊市", L"湖北", L"襄樊"},
      {true, L"内蒙古锡林郭勒盟", L"内蒙古", L"锡林郭勒盟"},
      {true, L"天津", L"天津", L"天津"},
      {false, L"Guiyang/Zunyi/Anshun, Guizhou", L"Guizhou", L"Guiyang/Zunyi/Anshun"},
  };
  for (const auto& c : cases) {
    RegionNames names;
    ASSERT_TRUE(c.chinese ? RegionLookup::SplitChinese(c.text, &names) : RegionLookup::SplitEnglish(c.text, &names));
    EXPECT_EQ(names.province, c.province) << c.text;
    EXPECT_EQ(names.city, c.city) << c.text;
  }
  RegionNames names;
  EXPECT_FALSE(RegionLookup::SplitChinese(L"中国", &names));
  EXPECT_FALSE(RegionLookup::SplitEnglish(L"", &names));
}

}  // namespace
