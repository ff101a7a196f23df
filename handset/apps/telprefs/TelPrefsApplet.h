// "\windows\TelPrefs.exe" inside the host: opens the phone settings, or
// brings the open ones to the front.
#pragma once

#include <string>

namespace telhub {

inline constexpr wchar_t kTelPrefsProgram[] = L"\\windows\\TelPrefs.exe";

void RegisterTelPrefsApplet();
void UnregisterTelPrefsApplet();

bool OpenTelPrefs(const std::wstring& parameters);

}  // namespace telhub
