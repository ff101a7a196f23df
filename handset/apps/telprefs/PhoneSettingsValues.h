// The phone's settings as the settings screen edits them: the IP-call
// prefix, rejecting numbers not in the contacts, the national code, the
// nine speed-dial entries (the phone settings store), and key clicks (the
// registry value "Key" under HKEY_CURRENT_USER\ControlPanel\Volume).
#pragma once

#include <array>
#include <string>

namespace telhub {

struct SpeedDialEntry {
  int flag = 0;  // 0: dial at once; otherwise put the number in the dial field
  std::wstring name;
  std::wstring number;  // empty: the entry is not set
};

struct PhoneSettingsValues {
  std::wstring ipPrefix;
  bool rejectUnknown = false;
  std::wstring nationalCode;
  bool keyClicks = true;
  std::array<SpeedDialEntry, 9> speedDial;  // entries 1 (voice mail) to 9
};

// The "Key" value that silences the dial pad; any other value, or none,
// leaves the key tones on.
inline constexpr unsigned long kKeyClicksOff = 0x10000;

PhoneSettingsValues LoadPhoneSettings();

// What is wrong with the values, or empty when they can be stored: the
// prefix and the national code are digits only (at most 10 and 4).
std::wstring CheckPhoneSettings(const PhoneSettingsValues& values);

// Stores what differs from `before`; false when a write failed.
bool SavePhoneSettings(const PhoneSettingsValues& values, const PhoneSettingsValues& before);

}  // namespace telhub
