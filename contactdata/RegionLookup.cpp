#include "contactdata/RegionLookup.h"

#include <cwchar>

#include "ce/bstr.h"
#include "contactdata/RegionKey.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kInternationalText = 873;  // "国际长途"
constexpr UINT kLocalLandlineText = 874;  // "本地固话"
constexpr std::size_t kShortestNumber = 7;

bool NumberingPlanIs86() {
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  if (!settings) return false;
  qzu::string code;
  // An unset national code reads numbers as the 86 plan.
  return !settings->GetNationalCode(code) || code == L"86";
}

bool Give(wchar_t** region, const wchar_t* text) {
  if (!region) return false;
  *region = SysAllocString(text);
  return *region != nullptr;
}

}  // namespace

bool GetPNRegionInfo(const wchar_t* number, wchar_t** region) {
  if (!NumberingPlanIs86()) return false;
  if (!number || std::wcslen(number) < kShortestNumber) return false;

  const RegionKey parsed = ParseRegionKey(number);
  switch (parsed.kind) {
    case RegionKey::INTERNATIONAL:
      return Give(region, LoadResString(kInternationalText));
    case RegionKey::LOCAL:
      return Give(region, LoadResString(kLocalLandlineText));
    case RegionKey::UNDECIDED:
      return false;
    case RegionKey::KEY:
      break;
  }
  CCallerLocationDbIf* locations = CCallerLocationDbIf::GetCallerLocationDbIf();
  qzu::string province;
  qzu::string city;
  if (!locations || !locations->GetLocationInfo(parsed.key, province, city)) return false;
  return Give(region, (province + L" " + city).c_str());
}
