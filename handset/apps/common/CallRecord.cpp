#include "CallRecord.h"

#include "qzpam/CContactsDbIf.h"

namespace telhub {

// FIXME: identify the caller with the library's GetMatchPNInfo (which also
// gives the number's type label) once it lands; until then the name comes
// straight from the store and no label is shown.
CallerInfo IdentifyCaller(const std::wstring& number) {
  CallerInfo caller;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return caller;
  qzu::string name;
  int type = 0;
  caller.contactId = db->SearchPN(number.c_str(), &name, &type, nullptr, nullptr, nullptr, nullptr);
  if (caller.contactId) caller.name = std::wstring(name.view());
  return caller;
}

// FIXME: show the display name of the library's GetGroupDisplayName once it
// lands (the blacklist's stored name is not for people's eyes).
std::wstring GroupName(int groupId) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db || groupId <= 0) return {};
  int id = 0, count = 0;
  qzu::string name;
  for (bool first = true; db->GetGroupInfo(COUNT_ALL_MEMBERS, id, name, count, first); first = false)
    if (id == groupId) return std::wstring(name.view());
  return {};
}

// FIXME: record through the library's AddCallHistory once it lands.
bool RecordOutgoingCall(const std::wstring& number, std::time_t start, int seconds) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  return db && db->InsertCall(number.c_str(), static_cast<int>(start), seconds, 1);
}

}  // namespace telhub
