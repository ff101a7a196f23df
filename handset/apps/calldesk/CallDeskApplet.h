// "\windows\calldesk.exe" inside the host: "-n NUMBER" opens the in-call
// screen over everything else and tells the radio layer that a call exists.
// One call at a time: while the screen is up, another launch is refused.
#pragma once

#include <string>

namespace telhub {

class CallDeskWnd;

inline constexpr wchar_t kCallDeskProgram[] = L"\\windows\\calldesk.exe";

void RegisterCallDeskApplet();
void UnregisterCallDeskApplet();

// The applet's handler: false for bad parameters or while a call is up.
bool OpenCallDesk(const std::wstring& parameters);
// The screen of the call in progress, or null.
CallDeskWnd* ActiveCallDesk();

}  // namespace telhub
