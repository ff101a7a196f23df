#include "CallRecord.h"

#include "ce/bstr.h"
#include "ce/time.h"
#include "contactdata/CallRecording.h"
#include "contactdata/GroupNames.h"
#include "contactdata/NumberMatching.h"
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
  std::tm utc{};
  gmtime_r(&start, &utc);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(utc.tm_year + 1900);
  time.wMonth = static_cast<WORD>(utc.tm_mon + 1);
  time.wDayOfWeek = static_cast<WORD>(utc.tm_wday);
  time.wDay = static_cast<WORD>(utc.tm_mday);
  time.wHour = static_cast<WORD>(utc.tm_hour);
  time.wMinute = static_cast<WORD>(utc.tm_min);
  time.wSecond = static_cast<WORD>(utc.tm_sec);
  return AddCallHistory(number.c_str(), time, seconds, 1);
}

}  // namespace telhub
