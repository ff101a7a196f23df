#include "PhoneSettingsValues.h"

#include "AppTexts.h"
#include "ce/registry.h"
#include "qzfc/QzRegKey.h"
#include "qzpam/PhoneSettingsDbIf.h"

namespace telhub {
namespace {

constexpr wchar_t kVolumeKey[] = L"ControlPanel\\Volume";
constexpr wchar_t kKeyValue[] = L"Key";

bool ReadKeyClicks() {
  CQzRegKey key;
  DWORD value = 0;
  return !(key.Open(HKEY_CURRENT_USER, kVolumeKey) && key.QueryValue(kKeyValue, value) && value == kKeyClicksOff);
}

// Off stores the silencing value; on removes it, which is what a phone
// that was never set up has.
bool WriteKeyClicks(bool on) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kVolumeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG result;
  if (on) {
    result = RegDeleteValueW(key, kKeyValue);
    if (result == ERROR_FILE_NOT_FOUND) result = ERROR_SUCCESS;
  } else {
    DWORD off = kKeyClicksOff;
    result = RegSetValueExW(key, kKeyValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off);
  }
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool AllDigits(const std::wstring& text, size_t max) {
  if (text.size() > max) return false;
  for (wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return true;
}

bool SameEntry(const SpeedDialEntry& a, const SpeedDialEntry& b) {
  return a.flag == b.flag && a.name == b.name && a.number == b.number;
}

}  // namespace

PhoneSettingsValues LoadPhoneSettings() {
  PhoneSettingsValues values;
  values.keyClicks = ReadKeyClicks();
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  if (!settings) return values;
  values.ipPrefix = std::wstring(settings->GetIPInUsed().view());
  values.rejectUnknown = settings->GetRejectCall() == 1;
  qzu::string code;
  if (settings->GetNationalCode(code)) values.nationalCode = std::wstring(code.view());
  for (int entry = 1; entry <= 9; ++entry) {
    int flag = 0;
    qzu::string name, number;
    if (!settings->GetSpeedDialItem(entry, flag, name, number)) continue;
    values.speedDial[static_cast<size_t>(entry - 1)] = {flag, std::wstring(name.view()), std::wstring(number.view())};
  }
  return values;
}

std::wstring CheckPhoneSettings(const PhoneSettingsValues& values) {
  if (!AllDigits(values.ipPrefix, 10)) return Text(L"IP拨号前缀只能是数字", L"The IP prefix takes digits only");
  if (!AllDigits(values.nationalCode, 4)) return Text(L"国家代码只能是数字", L"The national code takes digits only");
  return {};
}

bool SavePhoneSettings(const PhoneSettingsValues& values, const PhoneSettingsValues& before) {
  bool ok = true;
  if (values.keyClicks != before.keyClicks) ok = WriteKeyClicks(values.keyClicks) && ok;
  PhoneSettingsDbIf* settings = PhoneSettingsDbIf::GetPhoneSettingsDbIf();
  if (!settings) return false;
  if (values.ipPrefix != before.ipPrefix) ok = settings->SetIPInUsed(values.ipPrefix.c_str()) && ok;
  if (values.rejectUnknown != before.rejectUnknown) ok = settings->SetRejectCall(values.rejectUnknown ? 1 : 0) && ok;
  if (values.nationalCode != before.nationalCode) ok = settings->SetNationalCode(values.nationalCode.c_str()) && ok;
  for (int entry = 1; entry <= 9; ++entry) {
    const SpeedDialEntry& now = values.speedDial[static_cast<size_t>(entry - 1)];
    const SpeedDialEntry& was = before.speedDial[static_cast<size_t>(entry - 1)];
    if (SameEntry(now, was)) continue;
    if (now.number.empty())
      settings->DeleteSpeedDialItem(entry);  // false only when nothing was stored
    else if (was.number.empty() && !settings->UpdateSpeedDialItem(entry, now.flag, now.name.c_str(), now.number.c_str()))
      ok = settings->InsertSpeedDialItem(entry, now.flag, now.name.c_str(), now.number.c_str()) && ok;
    else if (!was.number.empty())
      ok = settings->UpdateSpeedDialItem(entry, now.flag, now.name.c_str(), now.number.c_str()) && ok;
  }
  return ok;
}

}  // namespace telhub
