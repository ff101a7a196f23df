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

// FIXME: record through the library's AddCallHistory once it lands.
bool RecordOutgoingCall(const std::wstring& number, std::time_t start, int seconds) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  return db && db->InsertCall(number.c_str(), static_cast<int>(start), seconds, 1);
}

}  // namespace telhub
