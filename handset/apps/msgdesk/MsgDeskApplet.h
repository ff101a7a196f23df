// "\windows\msgdesk.exe" inside the host: opens the message composer. A
// composer already open gives way to the new one.
#pragma once

#include <string>

namespace telhub {

class MsgDeskWnd;

inline constexpr wchar_t kMsgDeskProgram[] = L"\\windows\\msgdesk.exe";

void RegisterMsgDeskApplet();
void UnregisterMsgDeskApplet();

// The applet's handler: false for parameters it does not understand.
bool OpenMsgDesk(const std::wstring& parameters);
// The open composer, or null.
MsgDeskWnd* ActiveMsgDesk();

}  // namespace telhub
