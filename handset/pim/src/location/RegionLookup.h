// Province and city of a region key of the 86 plan, from libphonenumber's
// offline geocoder.
//
// Keys: a 7-digit mobile segment (1300000 to 1999999), or an area code
// without its trunk prefix (10, 20 to 29, or three digits 310 to 999). The
// geocoder's text for the region is split into its two parts:
//   Chinese  "广东省深圳市"       -> 广东 / 深圳
//            "新疆乌鲁木齐市"     -> 新疆 / 乌鲁木齐
//            "北京市"             -> 北京 / 北京 (a municipality is both)
//            "贵州省贵阳市、遵义市" -> 贵州 / 贵阳、遵义
//   English  "Shenzhen, Guangdong" -> Guangdong / Shenzhen
//            "Beijing"             -> Beijing / Beijing
// A key that the geocoder places only in the country as a whole ("中国",
// "China") is unknown.
#pragma once

#include <string>

namespace qzpam {

enum class RegionLanguage { Chinese, English };

struct RegionNames {
  std::wstring province;
  std::wstring city;
};

class RegionLookup {
 public:
  static bool Find(int key, RegionLanguage language, RegionNames* names);

  // The splitting rules on their own, for the geocoder's texts.
  static bool SplitChinese(const std::wstring& text, RegionNames* names);
  static bool SplitEnglish(const std::wstring& text, RegionNames* names);
};

}  // namespace qzpam
