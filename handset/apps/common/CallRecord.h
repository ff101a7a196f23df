// What the applets ask of the contacts and the call log: who owns a number,
// the name of a group, and recording a finished call.
#pragma once

#include <ctime>
#include <string>

namespace telhub {

struct CallerInfo {
  int contactId = 0;   // 0: the number belongs to no contact
  std::wstring name;   // the contact's name
  std::wstring label;  // the number's type, as the contacts show it
};

CallerInfo IdentifyCaller(const std::wstring& number);

// The name of a group as the user sees it; empty when there is no such group.
std::wstring GroupName(int groupId);

// Records an outgoing call that started at `start` (UTC) and lasted
// `seconds`; false when the call log cannot be written.
bool RecordOutgoingCall(const std::wstring& number, std::time_t start, int seconds);

}  // namespace telhub
