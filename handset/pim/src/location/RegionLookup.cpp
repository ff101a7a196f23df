#include "location/RegionLookup.h"

#include <phonenumbers/geocoding/phonenumber_offline_geocoder.h>
#include <phonenumbers/phonenumber.pb.h>
#include <unicode/locid.h>

#include <cwchar>
#include <mutex>
#include <vector>

#include "ce/utf8.h"

namespace qzpam {
namespace {

// Regions of the 86 plan that are no province but are written without one.
const wchar_t* const kRegionsWithoutSuffix[] = {L"内蒙古", L"广西", L"宁夏", L"新疆", L"西藏", L"香港", L"澳门"};

bool EndsWith(const std::wstring& text, std::wstring_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::wstring WithoutCitySuffix(std::wstring name) {
  if (name.size() > 1 && EndsWith(name, L"市")) name.pop_back();
  return name;
}

// "贵阳市、遵义市、贵阳市" -> "贵阳、遵义": each place once, without "市".
std::wstring CityList(const std::wstring& text) {
  std::wstring out;
  std::vector<std::wstring> seen;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'、', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring city = WithoutCitySuffix(text.substr(start, end - start));
    bool repeated = false;
    for (const auto& s : seen) repeated = repeated || s == city;
    if (!city.empty() && !repeated) {
      if (!out.empty()) out += L'、';
      out += city;
      seen.push_back(city);
    }
    start = end + 1;
  }
  return out;
}

std::string Describe(int key, const icu::Locale& locale) {
  int64_t national = 0;
  if (key >= 1300000 && key <= 1999999)
    national = static_cast<int64_t>(key) * 10000;
  else if (key == 10 || (key >= 20 && key <= 29))
    national = static_cast<int64_t>(key) * 100000000;
  else if (key >= 310 && key <= 999)
    national = static_cast<int64_t>(key) * 10000000;
  else
    return std::string();
  i18n::phonenumbers::PhoneNumber number;
  number.set_country_code(86);
  number.set_national_number(static_cast<uint64_t>(national));
  static std::mutex mutex;
  static i18n::phonenumbers::PhoneNumberOfflineGeocoder geocoder;
  std::lock_guard lock(mutex);
  return geocoder.GetDescriptionForValidNumber(number, locale);
}

}  // namespace

bool RegionLookup::SplitChinese(const std::wstring& text, RegionNames* names) {
  if (text.empty() || text == L"中国") return false;
  size_t province = text.find(L'省');
  if (province != std::wstring::npos && province > 0) {
    names->province = text.substr(0, province);
    names->city = CityList(text.substr(province + 1));
  } else {
    names->province.clear();
    for (const wchar_t* region : kRegionsWithoutSuffix) {
      if (text.starts_with(region) && text.size() > std::wcslen(region)) {
        names->province = region;
        names->city = CityList(text.substr(std::wcslen(region)));
      }
    }
    if (names->province.empty()) {
      // A municipality ("北京市", "天津") is its own province and city.
      names->province = WithoutCitySuffix(text);
      names->city = names->province;
    }
  }
  if (names->city.empty()) names->city = names->province;
  return true;
}

bool RegionLookup::SplitEnglish(const std::wstring& text, RegionNames* names) {
  if (text.empty() || text == L"China") return false;
  size_t comma = text.rfind(L", ");
  if (comma == std::wstring::npos) {
    names->province = text;
    names->city = text;
  } else {
    names->city = text.substr(0, comma);
    names->province = text.substr(comma + 2);
  }
  return true;
}

bool RegionLookup::Find(int key, RegionLanguage language, RegionNames* names) {
  bool chinese = language == RegionLanguage::Chinese;
  std::string text = Describe(key, chinese ? icu::Locale("zh", "CN") : icu::Locale("en", "US"));
  RegionNames found;
  if (!(chinese ? SplitChinese(ce::FromUtf8(text), &found) : SplitEnglish(ce::FromUtf8(text), &found))) return false;
  *names = std::move(found);
  return true;
}

}  // namespace qzpam
