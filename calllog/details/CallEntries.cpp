#include "calllog/details/CallEntries.h"

#include "calllog/model/CallTexts.h"
#include "ce/time.h"
#include "core/module/Resources.h"

namespace {

qzu::string Text(const CQzStringW& text) { return qzu::string(text.GetString()); }

void AddCall(std::vector<CallEntry>& entries, int& previousYear, int time, int value, int type) {
  SYSTEMTIME local{};
  if (!UnixTimetoLocalSystemTime(time, local)) return;
  if (local.wYear != previousYear) {
    CallEntry year;
    year.date = Text(GetDateTimeString(local, QZ_DATE_YEAR));
    year.yearLine = 1;
    entries.push_back(std::move(year));
    previousYear = local.wYear;
  }
  CallEntry call;
  call.date = Text(GetDateTimeString(local, QZ_DATE_MONTH_DAY_TIME));
  if (UINT label = GetCallTypeLabel(type)) call.label = Text(LoadResString(label));
  CQzStringW duration;
  FormatCallDuration(type, value, duration);
  call.duration = Text(duration);
  entries.push_back(std::move(call));
}

}  // namespace

void LoadCallEntries(const qzu::string& number, bool missedOnly, int maxCount, std::vector<CallEntry>& entries) {
  entries.clear();
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  int previousYear = now.wYear;
  int time = 0, value = 0, type = CALL_TYPE_MISSED;
  if (missedOnly) {
    for (bool first = true; db->GetCallHistoryByPNMissed(number, maxCount, time, value, first); first = false)
      AddCall(entries, previousYear, time, value, CALL_TYPE_MISSED);
  } else {
    for (bool first = true; db->GetCallHistoryByPN(number, maxCount, time, value, type, first); first = false)
      AddCall(entries, previousYear, time, value, type);
  }
}
