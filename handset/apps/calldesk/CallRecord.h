// What the in-call screen asks of the contacts and the call log: who owns
// the dialled number, and recording the finished call.
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

// Records an outgoing call that started at `start` (UTC) and lasted
// `seconds`; false when the call log cannot be written.
bool RecordOutgoingCall(const std::wstring& number, std::time_t start, int seconds);

}  // namespace telhub
