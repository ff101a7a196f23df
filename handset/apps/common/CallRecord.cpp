#include "CallRecord.h"

#include "ce/bstr.h"
#include "ce/time.h"
#include "contactdata/CallRecording.h"
#include "contactdata/GroupNames.h"
#include "contactdata/NumberMatching.h"
#include "qzfc/QzDateTime.h"
#include "qzpam/CContactsDbIf.h"

namespace telhub {

CallerInfo IdentifyCaller(const std::wstring& number) {
  CallerInfo caller;
  wchar_t* name = nullptr;
  wchar_t* label = nullptr;
  if (!GetMatchPNInfo(number.c_str(), &caller.contactId, &name, &label, nullptr)) return caller;
  caller.name = name ? name : L"";
  caller.label = label ? label : L"";
  SysFreeString(name);
  SysFreeString(label);
  return caller;
}

std::wstring GroupName(int groupId) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db || groupId <= 0) return {};
  int id = 0, count = 0;
  qzu::string name;
  for (bool first = true; db->GetGroupInfo(COUNT_ALL_MEMBERS, id, name, count, first); first = false)
    if (id == groupId) return std::wstring(GetGroupDisplayName(name).view());
  return {};
}

bool RecordOutgoingCall(const std::wstring& number, std::time_t start, int seconds) {
  // The call log takes system time (UTC).
  SYSTEMTIME time{};
  return UnixTimetoSystemTime(start, time) && AddCallHistory(number.c_str(), time, seconds, 1);
}

}  // namespace telhub
